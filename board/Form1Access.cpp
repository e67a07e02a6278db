// SPDX-License-Identifier: GPL-3.0-or-later
// The board for screen readers. While a row is filled the keyboard focus sits on the cursor's
// hole, so every move and every placed peg is spoken as the focus or the hole's name changes.
// While a check runs and between levels the focus rests on the board itself, whose name tells
// the state of play; a finished check is spoken with the next object the focus lands on.
#include "Form1.h"

// own
#include "BoardAccessible.h"
#include "Describe.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"

// Qt
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace tintrix {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
} // namespace

void Form1::buildAccessibility()
{
    SetAccessibleRole(centralWidget(), QAccessible::Grouping);
    for (int number = 1; number <= 12; ++number)
        for (ImageControl* clue : Check[std::size_t(number)])
            SetAccessibleRole(clue, QAccessible::Graphic);
    for (ImageControl* hole : MasterWindow->Image1)
        SetAccessibleRole(hole, QAccessible::Graphic);
    for (int i = 1; i <= 4; ++i)
        SetAccessibleRole(Panels[std::size_t(i)], QAccessible::StatusBar);
    SetAccessibleRole(StatusBar1, QAccessible::StatusBar);
    for (QWidget* box : {FieldBox1, FieldBox2, ColorBox1, ColorBox2, DoBox1, DoBox2})
        SetAccessibleRole(box, QAccessible::Grouping);
    SetAccessibleName(FieldBox1, "Guess rows");
    SetAccessibleName(FieldBox2, "Feedback");
    SetAccessibleName(ColorBox1, "Colours");
    SetAccessibleName(ColorBox2, "Colours");
    SetAccessibleName(DoBox1, "Row commands");
    SetAccessibleName(DoBox2, "Row commands");
}

void Form1::renderBoardName()
{
    const GameState& s = m_game.state();
    QString name;
    m_resultInStatusBar = m_resultInStatusBar && (m_game.phase() == Phase::BetweenLevels || m_game.phase() == Phase::GameOver);
    switch (m_game.phase()) {
    case Phase::Playing:
        return; // the focus is on a hole or the check button
    case Phase::Idle:
        name = QStringLiteral("Tintrix board, no game running. Control+N starts a new game.");
        break;
    case Phase::Checking:
        name = QStringLiteral("Checking row %1").arg(s.CurrentRow + 1);
        break;
    case Phase::BetweenLevels:
    case Phase::GameOver:
        // A won or lost level: the status bar takes the focus with the result as its name (a
        // new name of the object in focus is not spoken). After New Game or End Game the
        // banner that follows speaks for itself.
        if (!m_spokenResult.isEmpty()) {
            SetAccessibleName(StatusBar1, std::exchange(m_spokenResult, {}));
            m_resultInStatusBar = true;
        }
        name = m_game.phase() == Phase::GameOver ? QStringLiteral("Game over") : QStringLiteral("Level %1").arg(s.CurrentLevel + 1);
        break;
    }
    SetAccessibleName(centralWidget(), name);
}

void Form1::renderFocus()
{
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;

    // The status panels as text, the picture of the colour in hand in words.
    for (int i = 1; i <= 3; ++i)
        SetAccessibleName(Panels[std::size_t(i)], Panels[std::size_t(i)]->text());
    SetAccessibleName(Panels[4], s.ColorInHand ? QStringLiteral("Colour in hand: ") + Text(ColourName(s.SelectedColor + 1))
                                               : QStringLiteral("No colour in hand"));

    for (int row = 0; row < kMaxRows; ++row)
        for (int j = 0; j < kMaxHoles; ++j)
            guessHole(row, j)->setProperty(kAccessibleFocusable, playing && row == s.CurrentRow && s.GuessPieces.contains(row, j));
    if (!playing)
        m_focusOnCheck = false;
    QWidget* target = playing ? (m_focusOnCheck ? static_cast<QWidget*>(Image2) : guessHole(s.CurrentRow, s.CursorHole))
                      : m_resultInStatusBar ? static_cast<QWidget*>(StatusBar1)
                                            : centralWidget();
    // The hole takes the focus without a frame or any other sign on the screen; keys still
    // reach the board, the hole's parent.
    if (focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

void Form1::spokenPlacement(int hole)
{
    const GameState& s = m_game.state();
    if (m_game.phase() != Phase::Playing)
        return;
    m_spokenResult = QStringLiteral("%1 in hole %2.").arg(Text(HoleText(s, s.CurrentRow, hole))).arg(hole + 1);
    m_focusOnCheck = s.CursorHole == hole && !m_focusOnCheck;
}

QString Form1::resultText(int checkedRow, CheckEnd end) const
{
    const GameState& s = m_game.state();
    QString text = QStringLiteral("Row %1: %2.").arg(checkedRow + 1).arg(Text(RowFeedbackText(s, checkedRow)));
    switch (end) {
    case CheckEnd::NextRow: {
        // From level 19 on, the feedback of older rows is covered as play goes on.
        int hidden = 0;
        for (int row = 0; row < checkedRow; ++row)
            if (std::ranges::find(s.Feedback.row(row), Peg::Hidden) != s.Feedback.row(row).end())
                hidden = row + 1;
        if (hidden == 1)
            text += QStringLiteral(" The feedback of row 1 is hidden.");
        else if (hidden > 1)
            text += QStringLiteral(" The feedback of rows 1 to %1 is hidden.").arg(hidden);
        break;
    }
    case CheckEnd::LevelWon:
        text += QStringLiteral(" Solved! Level %1 won, score %2.").arg(s.CurrentLevel).arg(s.Score);
        break;
    case CheckEnd::TournamentWon:
        text += QStringLiteral(" Solved! All 36 levels won, score %1.").arg(s.Score);
        break;
    case CheckEnd::LevelLost:
        text += QStringLiteral(" No rows left: the level is lost. The secret was %1.").arg(Text(ColoursText(m_game.secret())));
        break;
    }
    return text;
}

} // namespace tintrix
