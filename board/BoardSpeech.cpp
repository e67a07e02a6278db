// SPDX-License-Identifier: GPL-3.0-or-later
// The screen reader's words and focus, from the game.
#include "BoardSpeech.h"

// own
#include "BoardAccessible.h"
#include "BoardControls.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "Spoken.h"

// Qt
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>
#include <utility>

namespace tintrix {

BoardSpeech::BoardSpeech(const BoardControls& controls, const Game& game) : c(controls), m_game(game)
{
    SetAccessibleRole(c.board, QAccessible::Grouping);
    for (const auto& row : c.Check)
        for (ImageControl* clue : row)
            SetAccessibleRole(clue, QAccessible::Graphic);
    for (ImageControl* hole : c.MasterWindow->Image1)
        SetAccessibleRole(hole, QAccessible::Graphic);
    for (int i = 1; i <= 4; ++i)
        SetAccessibleRole(c.Panels[std::size_t(i)], QAccessible::StatusBar);
    SetAccessibleRole(c.StatusBar1, QAccessible::StatusBar);
    for (QWidget* box : {c.FieldBox1, c.FieldBox2, c.ColorBox1, c.ColorBox2, c.DoBox1, c.DoBox2})
        SetAccessibleRole(box, QAccessible::Grouping);
    SetAccessibleName(c.FieldBox1, QCoreApplication::translate("ScreenReader", "Guess rows"));
    // The guess rows' panel holds the focus while a check runs (see renderFocus).
    c.FieldBox1->setProperty(kAccessibleFocusable, true);
    SetAccessibleName(c.FieldBox2, QCoreApplication::translate("ScreenReader", "Feedback"));
    SetAccessibleName(c.ColorBox1, QCoreApplication::translate("ScreenReader", "Colours"));
    SetAccessibleName(c.ColorBox2, QCoreApplication::translate("ScreenReader", "Colours"));
    SetAccessibleName(c.DoBox1, QCoreApplication::translate("ScreenReader", "Row commands"));
    SetAccessibleName(c.DoBox2, QCoreApplication::translate("ScreenReader", "Row commands"));
}

void BoardSpeech::renderNames()
{
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;
    // What just happened is spoken once, with the hole or button the focus moves to next.
    const QString result = playing ? std::exchange(m_spokenResult, {}) : QString();
    const QString prefix = result.isEmpty() ? QString() : result + QLatin1Char(' ');
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = c.guessHole(row, j);
            ImageControl* clue = c.clueHole(row, j);
            if (!s.GuessPieces.contains(row, j)) {
                SetAccessibleName(guess, {});
                SetAccessibleName(clue, {});
                continue;
            }
            const bool cursor = playing && !m_focusOnCheck && row == s.CurrentRow && j == s.CursorHole;
            const QString hole = QCoreApplication::translate("ScreenReader", "Row %1, hole %2, %3").arg(row + 1).arg(j + 1).arg(SpokenHole(s, row, j));
            SetAccessibleName(guess, cursor ? prefix + hole : hole);
            SetAccessibleDescription(guess, {});
            SetAccessibleName(clue, QCoreApplication::translate("ScreenReader", "Row %1, feedback %2, %3").arg(row + 1).arg(j + 1).arg(SpokenPeg(s.Feedback(row, j))));
            SetAccessibleDescription(clue, {});
        }
    }
    for (int i = 0; i < kMaxColors; ++i) {
        for (const auto* bar : {&c.ColSelect, &c.ColSelect2}) {
            ImageControl* entry = (*bar)[std::size_t(i)];
            SetAccessibleName(entry, QCoreApplication::translate("ScreenReader", "Colour %1, %2").arg(i + 1).arg(SpokenColour(i + 1)));
            SetAccessibleDescription(entry, i < s.ColorCount ? QString() : QCoreApplication::translate("ScreenReader", "not in play"));
            SetAccessibleChecked(entry, s.ColorInHand && s.SelectedColor == i);
        }
    }
    for (ImageControl* undo : {c.Undo1, c.Undo2}) {
        SetAccessibleName(undo, QCoreApplication::translate("ScreenReader", "Clear Row"));
        SetAccessibleDescription(undo, QCoreApplication::translate("ScreenReader", "Takes back every peg of the current row"));
    }
    for (ImageControl* redo : {c.Redo1, c.Redo2}) {
        SetAccessibleName(redo, QCoreApplication::translate("ScreenReader", "Redo Last Row"));
        SetAccessibleDescription(redo, QCoreApplication::translate("ScreenReader", "Copies the row above into the current row"));
    }
    // The check button reads the row it checks.
    std::vector<int> row(std::size_t(s.LastHoleIndex + 1), 0);
    if (s.GuessPieces.contains(s.CurrentRow, 0))
        row = ColorsOf(s.GuessPieces.row(s.CurrentRow));
    SetAccessibleName(c.Image2, (playing && m_focusOnCheck ? prefix : QString()) + QCoreApplication::translate("ScreenReader", "Check row %1: %2").arg(s.CurrentRow + 1).arg(SpokenColours(row)));
    SetAccessibleDescription(c.Image2, QCoreApplication::translate("ScreenReader", "Scores the current row"));

    // The reveal window tells the secret in words.
    const std::vector<int> secret = m_game.secret();
    for (int j = 0; j < kMaxHoles; ++j) {
        ImageControl* hole = c.MasterWindow->Image1[std::size_t(j)];
        SetAccessibleName(hole, j < int(secret.size()) ? QCoreApplication::translate("ScreenReader", "Peg %1, %2").arg(j + 1).arg(SpokenColour(secret[std::size_t(j)]))
                                                        : QCoreApplication::translate("ScreenReader", "Not used"));
    }
    SetAccessibleName(c.MasterWindow, QCoreApplication::translate("ScreenReader", "Correct combination: %1").arg(SpokenColours(secret)));

    renderBoardName();
}

void BoardSpeech::renderBoardName()
{
    const GameState& s = m_game.state();
    QString name;
    m_resultInStatusBar = m_resultInStatusBar && (m_game.phase() == Phase::BetweenLevels || m_game.phase() == Phase::GameOver);
    switch (m_game.phase()) {
    case Phase::Playing:
        SetAccessibleName(c.FieldBox1, QCoreApplication::translate("ScreenReader", "Guess rows"));
        // The level being played, as the banner before it left the name; a resumed game comes
        // straight here. The focus is on a hole or the check button.
        name = QCoreApplication::translate("ScreenReader", "Level %1").arg(s.CurrentLevel);
        break;
    case Phase::Idle:
        name = QCoreApplication::translate("ScreenReader", "Tintrix board, no game running. Control+N starts a new game.");
        break;
    case Phase::Checking:
        name = QCoreApplication::translate("ScreenReader", "Checking row %1").arg(s.CurrentRow + 1);
        SetAccessibleName(c.FieldBox1, name);
        break;
    case Phase::BetweenLevels:
    case Phase::GameOver:
        // A won or lost level: the status bar takes the focus with the result as its name (a
        // new name of the object in focus is not spoken). After New Game or End Game the
        // banner that follows speaks for itself.
        if (!m_spokenResult.isEmpty()) {
            SetAccessibleName(c.StatusBar1, std::exchange(m_spokenResult, {}));
            m_resultInStatusBar = true;
        }
        name = m_game.phase() == Phase::GameOver ? QCoreApplication::translate("ScreenReader", "Game over") : QCoreApplication::translate("ScreenReader", "Level %1").arg(s.CurrentLevel + 1);
        break;
    }
    SetAccessibleName(c.board, name);
}

void BoardSpeech::renderFocus()
{
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;
    // The status panels as text, the picture of the colour in hand in words.
    for (int i = 1; i <= 3; ++i)
        SetAccessibleName(c.Panels[std::size_t(i)], c.Panels[std::size_t(i)]->text());
    SetAccessibleName(c.Panels[4], s.ColorInHand ? QCoreApplication::translate("ScreenReader", "Colour in hand: %1").arg(SpokenColour(s.SelectedColor + 1)) : QCoreApplication::translate("ScreenReader", "No colour in hand"));

    for (int row = 0; row < kMaxRows; ++row)
        for (int j = 0; j < kMaxHoles; ++j)
            c.guessHole(row, j)->setProperty(kAccessibleFocusable, playing && row == s.CurrentRow && s.GuessPieces.contains(row, j));
    if (!playing)
        m_focusOnCheck = false;
    QWidget* target = playing ? (m_focusOnCheck ? static_cast<QWidget*>(c.Image2) : c.guessHole(s.CurrentRow, s.CursorHole))
                      : m_game.phase() == Phase::Checking ? c.FieldBox1
                      : m_resultInStatusBar               ? static_cast<QWidget*>(c.StatusBar1)
                                                          : c.board;
    // The hole takes the focus without a frame or any other sign on the screen; keys still
    // reach the board, the hole's parent.
    if (c.board->window()->focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

void BoardSpeech::placed(int hole)
{
    const GameState& s = m_game.state();
    if (m_game.phase() != Phase::Playing)
        return;
    m_spokenResult = QCoreApplication::translate("ScreenReader", "%1 in hole %2.").arg(SpokenHole(s, s.CurrentRow, hole)).arg(hole + 1);
    m_focusOnCheck = s.CursorHole == hole && !m_focusOnCheck;
}

void BoardSpeech::checked(int checkedRow, CheckEnd end)
{
    m_spokenResult = resultText(checkedRow, end);
}

QString BoardSpeech::resultText(int checkedRow, CheckEnd end) const
{
    const GameState& s = m_game.state();
    QString text = QCoreApplication::translate("ScreenReader", "Row %1: %2.").arg(checkedRow + 1).arg(SpokenFeedback(s, checkedRow));
    switch (end) {
    case CheckEnd::NextRow: {
        // From level 19 on, the feedback of older rows is covered as play goes on.
        int hidden = 0;
        for (int row = 0; row < checkedRow; ++row)
            if (std::ranges::find(s.Feedback.row(row), Peg::Hidden) != s.Feedback.row(row).end())
                hidden = row + 1;
        if (hidden == 1)
            text += QCoreApplication::translate("ScreenReader", " The feedback of row 1 is hidden.");
        else if (hidden > 1)
            text += QCoreApplication::translate("ScreenReader", " The feedback of rows 1 to %n is hidden.", nullptr, hidden);
        break;
    }
    case CheckEnd::LevelWon:
        text += QCoreApplication::translate("ScreenReader", " Solved! Level %1 won, score %2.").arg(s.CurrentLevel).arg(s.Score);
        break;
    case CheckEnd::TournamentWon:
        text += QCoreApplication::translate("ScreenReader", " Solved! All 36 levels won, score %1.").arg(s.Score);
        break;
    case CheckEnd::LevelLost:
        text += QCoreApplication::translate("ScreenReader", " No rows left: the level is lost. The secret was %1.").arg(SpokenColours(m_game.secret()));
        break;
    }
    return text;
}

} // namespace tintrix
