// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the current row: colour bars, holes, undo and redo, by mouse and by keyboard.
// Each handler hands the input to the game; what the game refuses changes nothing here.
#include "Form1.h"

// own
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Zoom.h"

// Qt
#include <QAction>
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

void Form1::setPressed(ImageControl* control, bool pressed)
{
    control->setSpecialEffect(pressed ? ImageControl::Effect::Sunken : ImageControl::Effect::Raised);
}

// ---------------------------------------------------------------------------------------------
// Holes

void Form1::Row_Click(int rowNumber, int Index)
{
    if (12 - rowNumber != m_game.state().CurrentRow)
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

void Form1::buildKeyboard()
{
    // Standard shortcuts for the menu commands.
    Tournament->setShortcut(QKeySequence::New);
    EndGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    HighScores->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    ExitGame->setShortcut(QKeySequence::Quit);
    help->setShortcut(QKeySequence::HelpContents);

    // Undo and redo have no menu items: window-wide actions carry their shortcuts.
    auto* undo = new QAction("Clear Row", this);
    undo->setObjectName("UndoKey");
    undo->setShortcuts(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, &Form1::Undo1_Click);
    addAction(undo);
    auto* redo = new QAction("Redo Last Row", this);
    redo->setObjectName("RedoKey");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, this, &Form1::Redo1_Click);
    addAction(redo);

    // The board's size: larger, smaller, normal.
    auto addZoom = [this](const char* name, const QList<QKeySequence>& keys, void (Form1::*handler)()) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    addZoom("ZoomIn", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &Form1::ZoomIn_Click);
    addZoom("ZoomOut", {QKeySequence::ZoomOut}, &Form1::ZoomOut_Click);
    addZoom("ZoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &Form1::ZoomReset_Click);

    centralWidget()->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(centralWidget());
    buildAccessibility();
}

void Form1::ZoomIn_Click() { setZoom(BoardZoom() + kZoomStep, true); }
void Form1::ZoomOut_Click() { setZoom(BoardZoom() - kZoomStep, true); }
void Form1::ZoomReset_Click() { setZoom(kMinZoom, true); }

bool Form1::keyboardPlayAllowed() const
{
    return m_game.phase() == Phase::Playing;
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (!keyboardPlayAllowed() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
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
        m_focusOnCheck = false;
        render();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        // A colour key is a pick on the upper bar followed by a click on the cursor's hole.
        const int index = key - Qt::Key_1;
        if (index >= s.ColorCount)
            return;
        ColSelect_Click(index);
        Row_Click(12 - s.CurrentRow, cursor);
        m_game.SetCursor(std::min(cursor + 1, holes - 1));
        spokenPlacement(cursor);
        render();
    } else if (key == Qt::Key_0 || key == Qt::Key_Period) {
        // The cursor's hole clicked as it is: places the colour in hand or copies the row above.
        Row_Click(12 - s.CurrentRow, cursor);
        spokenPlacement(cursor);
        render();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Image2_Click();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

} // namespace tintrix
