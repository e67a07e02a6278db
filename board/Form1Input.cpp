// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the current row: colour bars, holes, undo and redo.
#include "Form1.h"

// own
#include "ImageControl.h"
#include "LevelCatalogue.h"

// Qt
#include <QGuiApplication>
#include <QLabel>

namespace tintrix {

// ---------------------------------------------------------------------------------------------
// Colour bars

void Form1::ColSelect_Click(int Index)
{
    // Entries beyond the level's colours are out of play, even where an edge of one shows.
    if (Index < 0 || Index >= m_state.ColorCount)
        return;
    m_state.ColorInHand = true;
    m_state.SelectedColor = Index;
    PlayEffect("\\Change.wav");
    showColourInPanel(PegPictures[m_state.SelectedColor + 1]);
}

void Form1::ColSelect2_Click(int Index)
{
    if (Index < 0 || Index >= m_state.ColorCount)
        return;
    m_state.ColorInHand = true;
    m_state.SelectedColor = Index;
    PlayEffect("\\Change.wav");
}

void Form1::showColourInPanel(const QPixmap& picture)
{
    QLabel* panel = Panels[4];
    if (picture.isNull()) {
        panel->clear();
        return;
    }
    // The panel is lower than a hole: show the peg's middle, scaled to fit.
    const QSizeF size = picture.deviceIndependentSize();
    const qreal side = 25.0 * picture.devicePixelRatio();
    const QRect middle(int((size.width() * picture.devicePixelRatio() - side) / 2),
                       int((size.height() * picture.devicePixelRatio() - side) / 2), int(side), int(side));
    const int height = qMax(12, panel->contentsRect().height() - 2);
    QPixmap shown = picture.copy(middle).scaled(QSize(height, height) * picture.devicePixelRatio(), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    shown.setDevicePixelRatio(picture.devicePixelRatio());
    panel->setPixmap(shown);
}

void Form1::setPressed(ImageControl* control, bool pressed)
{
    control->setSpecialEffect(pressed ? ImageControl::Effect::Sunken : ImageControl::Effect::Raised);
}

// ---------------------------------------------------------------------------------------------
// Holes

void Form1::Row_Click(int rowNumber, int Index)
{
    const int rowIndex = 12 - rowNumber;
    if (m_state.CurrentRow != rowIndex)
        return;
    if (Index > m_state.LastHoleIndex)
        return;
    if (m_state.ColorInHand)
        PlacePeg(Index);
    else
        CopyPreviousPeg(Index);
}

void Form1::PlacePeg(int Index)
{
    GameState& s = m_state;
    if (Index > s.LastHoleIndex)
        return;
    Piece& p = s.GuessPieces(s.CurrentRow, Index);
    p.Hole->setSpecialEffect(ImageControl::Effect::Raised);
    p.Hole->setPicture(ColSelect[std::size_t(s.SelectedColor)]->picture());
    p.Color = s.SelectedColor + 1;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    PlayEffect("\\Change.wav");
    s.ColorInHand = false;
    showColourInPanel({});
    refreshView();
}

void Form1::CopyPreviousPeg(int Index)
{
    GameState& s = m_state;
    if (Index > s.LastHoleIndex || s.CurrentRow == 0)
        return;
    Piece& p = s.GuessPieces(s.CurrentRow, Index);
    const Piece& q = s.GuessPieces(s.CurrentRow - 1, Index);
    p.Color = q.Color;
    p.Hole->setPicture(PegPictures[p.Color]);
    p.Hole->setSpecialEffect(ImageControl::Effect::Raised);
    PlayEffect("\\Change.wav");
    refreshView();
}

// ---------------------------------------------------------------------------------------------
// Undo and redo: whole rows, no history

void Form1::Undo1_Click()
{
    if (m_state.CurrentRow >= 1)
        UndoRow();
}

void Form1::Undo2_Click() { Undo1_Click(); }

void Form1::Redo1_Click()
{
    if (m_state.CurrentRow >= 1)
        RedoRow();
}

void Form1::Redo2_Click() { Redo1_Click(); }

void Form1::UndoRow()
{
    GameState& s = m_state;
    for (int j = 0; j <= s.LastHoleIndex; ++j) {
        Piece& p = s.GuessPieces(s.CurrentRow, j);
        p.Hole->setPicture(StylePicture);
        p.Color = 0;
        p.Hole->setBorderStyle(ImageControl::Border::Single);
    }
    PlayEffect("\\redo.wav");
    refreshView();
}

void Form1::RedoRow()
{
    GameState& s = m_state;
    for (int j = 0; j <= s.LastHoleIndex; ++j) {
        Piece& p = s.GuessPieces(s.CurrentRow, j);
        p.Color = s.GuessPieces(s.CurrentRow - 1, j).Color;
        p.Hole->setSpecialEffect(ImageControl::Effect::Raised);
        p.Hole->setPicture(PegPictures[p.Color]);
    }
    PlayEffect("\\redo.wav");
    refreshView();
}

} // namespace tintrix
