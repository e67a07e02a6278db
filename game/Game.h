// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game as one model: the tournament, its levels and the turn, with explicit states.
#pragma once

#include "GameState.h"
#include "SavedGame.h"
#include "TurnFlow.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace tintrix {

/** Where the game stands. Every input is allowed in some states only; the model refuses the
 *  rest itself, so that no window has to guard it. */
enum class Phase {
    Idle,          ///< no game: after start-up and once a finished game has been closed
    Playing,       ///< a level is played: the current row takes pegs and can be checked
    Checking,      ///< a checked row's feedback pegs are dropping; the board takes no input
    BetweenLevels, ///< a tournament runs and the next level waits to be announced and opened
    GameOver,      ///< the game has ended (lost, given up or all levels won) and is being closed
};

/** How the model took an input: it changed the game, or it was not allowed and changed nothing. */
enum class Input { Changed, Ignored };

/** What the check button did. */
enum class CheckStart {
    Ignored,    ///< no level is being played
    Incomplete, ///< the current row has an empty hole: refused
    Started,    ///< the row is scored; its pegs drop one at a time (DropPeg), then FinishCheck
};

/** The game. Randomness comes in from outside: a source of uniform values 0 <= r < 1. */
class Game {
public:
    explicit Game(std::function<float()> random);

    [[nodiscard]] Phase phase() const { return m_phase; }
    [[nodiscard]] const GameState& state() const { return m_state; }
    /** A tournament is running: from New Game until its end (Playing, Checking, BetweenLevels). */
    [[nodiscard]] bool running() const;
    /** The secret combination's colour numbers; zeros before the first level play. */
    [[nodiscard]] std::vector<int> secret() const { return ColorsOf(m_state.MasterPieces); }
    /** Feedback pegs of the running check that have not dropped yet. */
    [[nodiscard]] int pegsToDrop() const { return int(m_pegsToDrop.size()); }
    /** What is kept of the game now: nothing while no game runs (Idle); only score and level
     *  once it is over. */
    [[nodiscard]] std::optional<SavedGame> Saved() const;
    /** Tells `changed` after every change worth keeping: a level opened or won, New Game, a peg
     *  placed, moved or cleared, a row checked (before its first peg drops), a game ended or
     *  closed. Not after a colour picked, a cursor moved or a single feedback peg. */
    void setChangeListener(std::function<void()> changed) { m_changed = std::move(changed); }

    /** The tournament level the next opening will be, with its catalogue row; nothing after
     *  level 36. */
    [[nodiscard]] std::optional<int> nextLevel() const;

    // -- Levels and the tournament ------------------------------------------------------------

    /** Opens catalogue row 1..18: sets the level fields, adds 1 to CurrentLevel and empties every
     *  hole. Allowed when no level is being played (Idle, BetweenLevels); any other row or state
     *  changes nothing and returns false. */
    bool OpenLevel(int catalogueRow);
    /** New Game: score 0, level 0, and the first level waits to be announced (BetweenLevels).
     *  Allowed in every state but Checking and GameOver. */
    bool NewGame();
    /** Opens the next level of the tournament and starts its play: secret drawn, top row
     *  current (BetweenLevels to Playing). */
    bool StartLevelPlay();
    /** Ends the running game as given up (Playing or BetweenLevels to GameOver). The score and
     *  level stay as they are; the secret is the one of the level being played or just won. */
    bool EndGame();
    /** The ending of a finished game has been shown (GameOver to Idle). */
    bool CloseGame();
    /** Goes on with a kept tournament (Idle only; a game over is never resumed): the level
     *  opened with its secret, rows and feedback. A row whose check was under way is checked
     *  at once, its feedback complete, so the game may then be between levels or over. A
     *  tournament IsPlayable refuses changes nothing and returns false. */
    bool Resume(const SavedGame& saved);
    /** Empties every hole of the open level, the secret kept (Idle only: between games). */
    bool InitBoard();

    // -- The turn ----------------------------------------------------------------------------

    /** Takes colour-bar entry index (0..ColorCount-1) in hand. */
    Input PickColor(int index);
    /** A click on hole `hole` of the current row: places the colour in hand, or with nothing
     *  in hand copies the hole above (not on the top row). */
    Input ClickHole(int hole);
    /** Moves the peg in hole `from` of the current row to hole `to` of the same row, leaving
     *  `from` empty. */
    Input MovePeg(int from, int to);
    /** Copies the peg in hole `from` of the row above into hole `to` of the current row. */
    Input CopyPeg(int from, int to);
    /** Clears the current row; not on the top row. */
    Input UndoRow();
    /** Copies the row above into the current row; not on the top row. */
    Input RedoRow();
    /** Moves the keyboard's cursor to hole `hole` of the current row. */
    Input SetCursor(int hole);
    /** The check button: scores a full current row (Playing to Checking). */
    CheckStart CheckMatch();
    /** Drops the next feedback peg of the running check and returns it; nothing when all have
     *  dropped. */
    std::optional<Peg> DropPeg();
    /** Ends the running check once its pegs have dropped: the next row, or the level won (score
     *  counted) or lost. Only in Checking with no peg left to drop. */
    std::optional<CheckEnd> FinishCheck();

private:
    void startPlay();
    void UpdateScore();
    void coverOlderFeedback();
    void SelectMaster();
    /** Tells the listener of a change worth keeping. */
    void changed();
    /** Input::Changed reported to the listener; Ignored passed on as it is. */
    Input changedIf(Input input);

    std::function<void()> m_changed;

    std::function<float()> m_random;
    GameState m_state;
    Phase m_phase = Phase::Idle;
    std::deque<Peg> m_pegsToDrop;
    int m_pegsDropped = 0;
};

} // namespace tintrix
