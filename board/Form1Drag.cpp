// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging pegs: a colour from either bar onto a hole of the current row (a pick and a click),
// a peg of the current row onto another of its holes (a move), and a peg of the row above
// onto the current row (a copy). Dropped anywhere else, nothing happens.
#include "Form1.h"

// own
#include "ImageControl.h"
#include "LevelCatalogue.h"

// Qt
#include <QLabel>

namespace tintrix {

namespace {
struct HoleAt {
    int row = -1;
    int hole = -1;
};
} // namespace

void Form1::buildDragging()
{
    m_dragPeg = new QLabel(centralWidget());
    m_dragPeg->setObjectName("DraggedPeg");
    m_dragPeg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragPeg->hide();

    auto connectDrag = [this](ImageControl* control) {
        connect(control, &ImageControl::dragStarted, this, [this, control] { startDrag(control); });
        connect(control, &ImageControl::dragMoved, this, &Form1::moveDrag);
        connect(control, &ImageControl::dragDropped, this, &Form1::dropDrag);
    };
    for (int row = 0; row < kMaxRows; ++row)
        for (int j = 0; j < kMaxHoles; ++j)
            connectDrag(guessHole(row, j));
    for (int i = 0; i < kMaxColors; ++i) {
        connectDrag(ColSelect[std::size_t(i)]);
        connectDrag(ColSelect2[std::size_t(i)]);
    }
}

void Form1::renderDragSources()
{
    // Only what a click could use can be dragged: the colours in play and the pegs of the
    // current row and the row above, while a row is being filled.
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;
    for (int i = 0; i < kMaxColors; ++i) {
        ColSelect[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
        ColSelect2[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
    }
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            const bool near = row == s.CurrentRow || row == s.CurrentRow - 1;
            guessHole(row, j)->setDragSource(playing && near && s.GuessPieces.contains(row, j)
                                             && s.GuessPieces(row, j).Color != 0);
        }
    }
}

void Form1::startDrag(ImageControl* source)
{
    if (m_game.phase() != Phase::Playing)
        return;
    m_dragSource = source;
    m_dragPeg->setPixmap(source->picture());
    m_dragPeg->resize(source->size());
    m_dragPeg->setAlignment(Qt::AlignCenter);
    m_dragPeg->raise();
    m_dragPeg->show();
}

void Form1::moveDrag(QPoint globalPos)
{
    if (!m_dragSource)
        return;
    const QPoint at = centralWidget()->mapFromGlobal(globalPos);
    m_dragPeg->move(at - QPoint(m_dragPeg->width() / 2, m_dragPeg->height() / 2));
}

void Form1::dropDrag(QPoint globalPos)
{
    ImageControl* source = m_dragSource;
    m_dragSource = nullptr;
    m_dragPeg->hide();
    if (!source || m_game.phase() != Phase::Playing)
        return;

    auto holeOf = [this](const QWidget* w) {
        for (int row = 0; row < kMaxRows; ++row)
            for (int j = 0; j < kMaxHoles; ++j)
                if (guessHole(row, j) == w)
                    return HoleAt{row, j};
        return HoleAt{};
    };
    const GameState& s = m_game.state();
    const HoleAt target = holeOf(centralWidget()->childAt(centralWidget()->mapFromGlobal(globalPos)));
    if (target.row != s.CurrentRow || !s.GuessPieces.contains(target.row, target.hole))
        return;

    for (int i = 0; i < kMaxColors; ++i) {
        if (source == ColSelect[std::size_t(i)] || source == ColSelect2[std::size_t(i)]) {
            // A colour from a bar: the pick and the click it stands for.
            pickColour(i, source == ColSelect[std::size_t(i)]);
            Row_Click(12 - target.row, target.hole);
            return;
        }
    }
    const HoleAt from = holeOf(source);
    if (from.row != s.CurrentRow && from.row != s.CurrentRow - 1)
        return;
    const Input done = from.row == s.CurrentRow ? m_game.MovePeg(from.hole, target.hole)
                                                : m_game.CopyPeg(from.hole, target.hole);
    if (done == Input::Ignored)
        return;
    PlayEffect(SoundCue::Change);
    render();
}

} // namespace tintrix
