// SPDX-License-Identifier: GPL-3.0-or-later
// The board for screen readers: names, roles, the focus that follows play, and what just
// happened in words.
#pragma once

#include "Game.h"

// Qt
#include <QString>

namespace tintrix {

struct BoardControls;

/** Turns the game into what a screen reader is given. While a row is filled the keyboard focus
 *  sits on the cursor's hole, so every move and every placed peg is spoken as the focus or the
 *  hole's name changes. While a check runs and between levels the focus rests on the board
 *  itself, whose name tells the state of play; a finished check is spoken with the next object
 *  the focus lands on. */
class BoardSpeech {
public:
    BoardSpeech(const BoardControls& controls, const Game& game);

    /** The names of every control, before the containers are enabled or disabled (which may
     *  move the focus). */
    void renderNames();
    /** The status panels' names and the focus, once the view is up to date. */
    void renderFocus();
    /** After a key put a peg into hole `hole`: says so with the next focus, which moves on to
     *  the cursor's hole or, when the cursor stayed, between that hole and the check button. */
    void placed(int hole);
    /** The cursor moved by key: the focus goes back to the holes. */
    void cursorMoved() { m_focusOnCheck = false; }
    /** A check of row checkedRow (0 at the top) ended so: said with the next focus. */
    void checked(int checkedRow, CheckEnd end);
    /** The board's own name, telling the state of play when no hole has the focus. */
    void renderBoardName();

private:
    [[nodiscard]] QString resultText(int checkedRow, CheckEnd end) const;

    const BoardControls& c;
    const Game& m_game;
    QString m_spokenResult;           // what just happened, spoken with the next focus
    bool m_focusOnCheck = false;      // a placement that left the cursor: the focus goes to Check
    bool m_resultInStatusBar = false; // a won or lost level: the status bar holds the result
};

} // namespace tintrix
