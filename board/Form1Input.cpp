// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the current row: colour bars, holes, drags, undo and redo, by mouse and by keyboard.
// Each handler hands the input to the game; what the game refuses changes nothing here.
#include "Form1.h"

// own
#include "BoardSpeech.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"

// Qt
#include <QGuiApplication>
#include <QKeyEvent>

namespace tintrix {

// ---------------------------------------------------------------------------------------------
// Colour bars

void Form1::ColSelect_Click(int Index) { pickColour(Index, true); }

// The lower bar picks alike but leaves the status panel as it was.
void Form1::ColSelect2_Click(int Index) { pickColour(Index, false); }

void Form1::pickColour(int index, bool showInPanel)
{
    if (m_game.PickColor(index) == Input::Ignored)
        return;
    if (showInPanel)
        m_panelColour = index + 1;
    PlayEffect(SoundCue::Change);
    render();
}

// ---------------------------------------------------------------------------------------------
// Holes

void Form1::Row_Click(int row, int Index)
{
    if (row != m_game.state().CurrentRow)
        return;
    const bool placing = m_game.state().ColorInHand;
    if (m_game.ClickHole(Index) == Input::Ignored)
        return;
    if (placing) {
        m_panelColour = 0;
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    PlayEffect(SoundCue::Change);
    render();
}

void Form1::dropped(ImageControl* source, QWidget* target)
{
    // A colour from a bar onto a hole of the current row is a pick and a click; a peg of the
    // current row moves within it; a peg of the row above is copied down. Anything else does
    // nothing.
    const std::optional<HoleAt> to = c.holeOf(target);
    const GameState& s = m_game.state();
    if (!to || to->row != s.CurrentRow || !s.GuessPieces.contains(to->row, to->hole))
        return;
    if (const std::optional<int> entry = c.barEntryOf(source)) {
        pickColour(*entry, source == c.ColSelect[std::size_t(*entry)]);
        Row_Click(to->row, to->hole);
        return;
    }
    const std::optional<HoleAt> from = c.holeOf(source);
    if (!from || (from->row != s.CurrentRow && from->row != s.CurrentRow - 1))
        return;
    const Input done = from->row == s.CurrentRow ? m_game.MovePeg(from->hole, to->hole) : m_game.CopyPeg(from->hole, to->hole);
    if (done == Input::Ignored)
        return;
    PlayEffect(SoundCue::Change);
    render();
}

// ---------------------------------------------------------------------------------------------
// Undo and redo: whole rows, no history

void Form1::Undo1_Click()
{
    if (m_game.UndoRow() == Input::Ignored)
        return;
    PlayEffect(SoundCue::Redo);
    render();
}

void Form1::Undo2_Click() { Undo1_Click(); }

void Form1::Redo1_Click()
{
    if (m_game.RedoRow() == Input::Ignored)
        return;
    PlayEffect(SoundCue::Redo);
    render();
}

void Form1::Redo2_Click() { Redo1_Click(); }

// ---------------------------------------------------------------------------------------------
// Keyboard

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (m_game.phase() != Phase::Playing || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const GameState& s = m_game.state();
    const int key = event->key();
    m_keyboardUsed = true;
    const int holes = s.LastHoleIndex + 1;
    const int cursor = s.CursorHole;
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End) {
        // The cursor only changes the view.
        const int to = key == Qt::Key_Left    ? (cursor + holes - 1) % holes
                       : key == Qt::Key_Right ? (cursor + 1) % holes
                       : key == Qt::Key_Home  ? 0
                                              : holes - 1;
        m_game.SetCursor(to);
        m_speech->cursorMoved();
        render();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        // A colour key is a pick on the upper bar followed by a click on the cursor's hole.
        const int index = key - Qt::Key_1;
        if (index >= s.ColorCount)
            return;
        ColSelect_Click(index);
        Row_Click(s.CurrentRow, cursor);
        m_game.SetCursor(std::min(cursor + 1, holes - 1));
        m_speech->placed(cursor);
        render();
    } else if (key == Qt::Key_0 || key == Qt::Key_Period) {
        // The cursor's hole clicked as it is: places the colour in hand or copies the row above.
        Row_Click(s.CurrentRow, cursor);
        m_speech->placed(cursor);
        render();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Image2_Click();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

} // namespace tintrix
