// SPDX-License-Identifier: GPL-3.0-or-later
// The one set of game variables that every board procedure reads and writes.
#pragma once

#include "Piece.h"

#include <cstdint>
#include <vector>

namespace tintrix {

/** The program-wide game variables. Everything starts at zero, false or empty.
 *  Picture references live with the board, which owns the pictures. */
struct GameState {
    // Level fields, set by OpenLevel from the catalogue.
    int CurrentLevel = 0;            ///< tournament level 1..36; 0 before the first opening of a tournament
    int RowLimit = 0;                ///< index of the level's last row: 7, 9, 10 or 11
    int LastHoleIndex = 0;           ///< holes - 1: 3, 4 or 5
    int ColorCount = 0;              ///< colours in play: 6, 7 or 8
    bool DuplicatesAllowed = false;  ///< whether the secret may repeat a colour

    // Piece arrays, re-created at every level opening.
    PieceGrid GuessPieces;             ///< rows 0..RowLimit by holes 0..LastHoleIndex
    PieceGrid CluePieces;              ///< same bounds as GuessPieces
    std::vector<Piece> MasterPieces;   ///< holes 0..LastHoleIndex: the secret combination

    // Turn fields.
    int CurrentRow = 0;              ///< row being filled, 0 at the top
    int TurnNumber = 0;              ///< CurrentRow + 1 during a level play
    bool GameWon = false;            ///< set on a full match, cleared when a level play starts
    bool PegDelayPending = false;    ///< a feedback peg waits for the next tick

    std::int32_t Score = 0;          ///< points of the current tournament (32-bit: 36 levels fit)

    // Colour selection.
    bool ColorInHand = false;        ///< a colour was picked and not yet placed
    int SelectedColor = 0;           ///< colour-bar index 0..7 picked last; colour number is +1
};

} // namespace tintrix
