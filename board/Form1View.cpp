// SPDX-License-Identifier: GPL-3.0-or-later
// The view: every picture, look, text and enabled state of the board comes from the game.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "BoardMenus.h"
#include "BoardSize.h"
#include "BoardSpeech.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PegDrag.h"
#include "PicFrm.h"
#include "Preferences.h"

// Qt
#include <QCoreApplication>
#include <QLabel>

namespace tintrix {

namespace {
QString Shown(const char* text) { return QCoreApplication::translate("Board", text); }
} // namespace

void Form1::render()
{
    const GameState& s = m_game.state();
    if (s.CatalogueRow != 0 && s.CatalogueRow != m_laidOutRow) {
        m_laidOutRow = s.CatalogueRow;
        const int tableHeight = c.LayOut(*m_size, s.CatalogueRow, m_prefs->colorBar());
        m_size->setWindowTwips(kLevelLayouts[std::size_t(s.CatalogueRow - 1)].WindowWidth, tableHeight);
    }
    const bool playing = m_game.phase() == Phase::Playing;
    m_drag->setPlaying(playing);

    renderHoles();
    // Names first: the focus may move while the containers are enabled or disabled below.
    m_speech->renderNames();

    // The check button stands beside the current row; it and the board take input only
    // while a row is being filled.
    const QRect check = BoardSize::TwipGeometry(c.Image2);
    m_size->place(c.Image2, check.x(), 720 + 360 * s.CurrentRow, check.width(), check.height());
    // The guess rows' panel itself stays enabled: during a check it holds the focus, so that
    // the focus coming back to a hole is not announced as entering the panel again.
    for (QWidget* w : {c.FieldBox2, c.ColorBox1, c.ColorBox2, c.DoBox1, c.DoBox2, static_cast<QWidget*>(c.Image2)})
        w->setEnabled(playing);
    for (const auto& row : c.Row)
        for (ImageControl* hole : row)
            hole->setEnabled(playing);
    m_menus->setAvailable(m_game.running(), m_game.phase() == Phase::Idle);

    if (s.TournamentStarted)
        c.Panels[1]->setText(s.Score == 0 ? Shown("Score: 000") : Shown("score: %1").arg(s.Score));
    if (s.CurrentLevel > 0) {
        c.Panels[2]->setText(Shown("Level %1").arg(s.CurrentLevel));
        c.Panels[3]->setText(s.DuplicatesAllowed ? Shown("Duplicates = True") : Shown("Duplicates = False"));
    }
    // Panel 4 shows the middle of the peg in hand, scaled to the panel's height.
    QLabel* panel = c.Panels[4];
    if (m_panelColour == 0) {
        panel->clear();
    } else {
        const QPixmap picture = Pictures->pegPicture(m_panelColour);
        const qreal ratio = picture.devicePixelRatio();
        const QSizeF size = picture.deviceIndependentSize() * ratio;
        const qreal side = 25.0 * ratio;
        const QRect middle(int((size.width() - side) / 2), int((size.height() - side) / 2), int(side), int(side));
        const int height = qMax(12, panel->contentsRect().height() - 2);
        QPixmap shown = picture.copy(middle).scaled(QSize(height, height) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
        panel->setPixmap(shown);
    }
    m_speech->renderFocus();
}

void Form1::renderHoles()
{
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = c.guessHole(row, j);
            ImageControl* clue = c.clueHole(row, j);
            const bool used = s.GuessPieces.contains(row, j);
            const int colour = used ? s.GuessPieces(row, j).Color : 0;
            // An empty hole is flat in its single border; a peg stands raised.
            if (colour == 0) {
                guess->setPicture(StylePicture);
                guess->setBorderStyle(ImageControl::Border::Single);
            } else {
                guess->setSpecialEffect(ImageControl::Effect::Raised);
                guess->setPicture(Pictures->pegPicture(colour));
            }
            guess->setCursorMark(playing && m_keyboardUsed && used && row == s.CurrentRow && j == s.CursorHole);
            // Only what a click could use can be dragged: the pegs of the current row and the
            // row above, while a row is being filled.
            const bool near = row == s.CurrentRow || row == s.CurrentRow - 1;
            guess->setDragSource(playing && near && colour != 0);

            const Peg peg = used ? s.Feedback(row, j) : Peg::None;
            if (peg == Peg::None) {
                clue->setPicture(StylePicture);
                clue->setBorderStyle(ImageControl::Border::Single);
            } else {
                clue->setSpecialEffect(ImageControl::Effect::Raised);
                clue->setPicture(peg == Peg::Black ? BlackPic : peg == Peg::Grey ? GreyPic : XPic);
            }
        }
    }
    for (int i = 0; i < kMaxColors; ++i) {
        c.ColSelect[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
        c.ColSelect2[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
    }

    // The reveal window: the secret's pegs, an X on the holes the level does not use.
    for (int j = 0; j < kMaxHoles; ++j) {
        ImageControl* hole = c.MasterWindow->Image1[std::size_t(j)];
        if (j >= int(s.MasterPieces.size()))
            hole->setPicture(XPic);
        else if (const int colour = s.MasterPieces[std::size_t(j)].Color; colour != 0)
            hole->setPicture(Pictures->pegPicture(colour));
        else
            hole->setPicture({});
    }
}

} // namespace tintrix
