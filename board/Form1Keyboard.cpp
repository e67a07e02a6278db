// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard, and what the board tells screen readers.
#include "Form1.h"

// own
#include "ImageControl.h"
#include "LevelCatalogue.h"

// Qt
#include <QAction>
#include <QKeyEvent>

namespace tintrix {

namespace {
// clang-format off
constexpr std::array<const char*, 9> kColourNames{
    "empty", "pink", "blue", "purple", "green", "orange", "light blue", "dark blue", "red"};
// clang-format on

QString colourName(int colour)
{
    return QLatin1String(kColourNames[std::size_t(std::clamp(colour, 0, 8))]);
}
} // namespace

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
    connect(undo, &QAction::triggered, this, [this] {
        if (DoBox1->isEnabled() && !m_checking)
            Undo1_Click();
    });
    addAction(undo);
    auto* redo = new QAction("Redo Last Row", this);
    redo->setObjectName("RedoKey");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, this, [this] {
        if (DoBox1->isEnabled() && !m_checking)
            Redo1_Click();
    });
    addAction(redo);

    centralWidget()->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(centralWidget());
}

bool Form1::keyboardPlayAllowed() const
{
    // Keys are ignored exactly where the board ignores the mouse, and during a check.
    return FieldBox1->isEnabled() && !m_checking && EndGame->isEnabled();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (!keyboardPlayAllowed() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const int holes = m_state.LastHoleIndex + 1;
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End) {
        // The cursor only changes the view.
        if (key == Qt::Key_Left)
            m_cursorHole = (m_cursorHole + holes - 1) % holes;
        else if (key == Qt::Key_Right)
            m_cursorHole = (m_cursorHole + 1) % holes;
        else
            m_cursorHole = key == Qt::Key_Home ? 0 : holes - 1;
        refreshView();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        // A colour key is a pick on the upper bar followed by a click on the cursor's hole.
        const int index = key - Qt::Key_1;
        if (index >= m_state.ColorCount)
            return;
        ColSelect_Click(index);
        Row_Click(12 - m_state.CurrentRow, m_cursorHole);
        m_cursorHole = std::min(m_cursorHole + 1, holes - 1);
        refreshView();
    } else if (key == Qt::Key_0 || key == Qt::Key_Period) {
        // The cursor's hole clicked as it is: places the colour in hand or copies the row above.
        Row_Click(12 - m_state.CurrentRow, m_cursorHole);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (Image2->isEnabled())
            Image2_Click();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void Form1::refreshView()
{
    const GameState& s = m_state;
    const bool playing = keyboardPlayAllowed();
    m_cursorHole = std::clamp(m_cursorHole, 0, s.LastHoleIndex);

    for (int number = 1; number <= kMaxRows; ++number) {
        const int row = 12 - number;
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = Row[std::size_t(number)][std::size_t(j)];
            ImageControl* clue = Check[std::size_t(number)][std::size_t(j)];
            const bool used = row <= s.RowLimit && j <= s.LastHoleIndex && s.GuessPieces.rows() > row;
            guess->setCursorMark(playing && used && row == s.CurrentRow && j == m_cursorHole);
            if (!used) {
                guess->setAccessibleName({});
                clue->setAccessibleName({});
                continue;
            }
            const int colour = s.GuessPieces(row, j).Color;
            guess->setAccessibleName(QStringLiteral("Row %1, hole %2").arg(row + 1).arg(j + 1));
            guess->setAccessibleDescription(colour == 0 ? QStringLiteral("empty") : colourName(colour) + " peg");

            const qint64 shown = clue->picture().cacheKey();
            QString feedback = QStringLiteral("empty");
            if (s.CluePieces(row, j).Matched)
                feedback = shown == BlackPic.cacheKey()  ? QStringLiteral("black peg")
                           : shown == GreyPic.cacheKey() ? QStringLiteral("grey peg")
                                                         : QStringLiteral("hidden peg");
            clue->setAccessibleName(QStringLiteral("Row %1, feedback %2").arg(row + 1).arg(j + 1));
            clue->setAccessibleDescription(feedback);
        }
    }

    for (int i = 0; i < kMaxColors; ++i) {
        for (auto* bar : {&ColSelect, &ColSelect2}) {
            ImageControl* entry = (*bar)[std::size_t(i)];
            entry->setAccessibleName(QStringLiteral("Colour %1").arg(i + 1));
            entry->setAccessibleDescription(colourName(i + 1) + (i < s.ColorCount ? QString() : QStringLiteral(", not in play")));
        }
    }
    for (ImageControl* undo : {Undo1, Undo2}) {
        undo->setAccessibleName("Clear Row");
        undo->setAccessibleDescription("Takes back every peg of the current row");
    }
    for (ImageControl* redo : {Redo1, Redo2}) {
        redo->setAccessibleName("Redo Last Row");
        redo->setAccessibleDescription("Copies the row above into the current row");
    }
    Image2->setAccessibleName("Check");
    Image2->setAccessibleDescription(QStringLiteral("Checks row %1").arg(s.CurrentRow + 1));
}

QString Form1::RowFeedbackText(int row) const
{
    int black = 0, grey = 0, hidden = 0;
    for (int j = 0; j <= m_state.LastHoleIndex; ++j) {
        const QString d = clueHole(row, j)->accessibleDescription();
        black += d == u"black peg";
        grey += d == u"grey peg";
        hidden += d == u"hidden peg";
    }
    if (hidden > 0)
        return QStringLiteral("%1 pegs, hidden").arg(hidden);
    return QStringLiteral("%1 black, %2 grey").arg(black).arg(grey);
}

} // namespace tintrix
