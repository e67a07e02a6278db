// SPDX-License-Identifier: GPL-3.0-or-later
// The variables of one game: the level, its holes, the turn, the score and the colour in hand.
#pragma once

#include "Piece.h"

#include <cstdint>
#include <vector>

namespace tintrix {

/** What a feedback hole shows: nothing, a black or grey peg, or an X that hides the kind of an
 *  older row's peg (levels 19 to 36). */
enum class Peg { None, Black, Grey, Hidden };

/** The game's variables. Everything starts at zero, false or empty; only Game changes them. */
struct GameState {
    // Level fields, set by OpenLevel from the catalogue.
    int CurrentLevel = 0;            ///< tournament level 1..36; 0 before the first opening of a tournament
    int CatalogueRow = 0;            ///< catalogue row 1..18 of the open level; 0 before the first opening
    int RowLimit = 0;                ///< index of the level's last row: 7, 9, 10 or 11
    int LastHoleIndex = 0;           ///< holes - 1: 3, 4 or 5
    int ColorCount = 0;              ///< colours in play: 6, 7 or 8
    bool DuplicatesAllowed = false;  ///< whether the secret may repeat a colour

    // Piece arrays, re-created at every level opening.
    PieceGrid GuessPieces;             ///< rows 0..RowLimit by holes 0..LastHoleIndex
    PieceGrid CluePieces;              ///< same bounds; Matched marks a hole that shows feedback
    Grid<Peg> Feedback;                ///< same bounds: what each feedback hole shows
    std::vector<Piece> MasterPieces;   ///< holes 0..LastHoleIndex: the secret combination

    // Turn fields.
    int CurrentRow = 0;              ///< row being filled, 0 at the top
    int TurnNumber = 0;              ///< CurrentRow + 1 during a level play
    bool GameWon = false;            ///< set on a full match, cleared when a level play starts

    std::int32_t Score = 0;          ///< points of the current tournament (32-bit: 36 levels fit)
    bool TournamentStarted = false;  ///< New Game has been chosen at least once

    // Colour selection.
    bool ColorInHand = false;        ///< a colour was picked and not yet placed
    int SelectedColor = 0;           ///< colour-bar index 0..7 picked last; colour number is +1

    /** The hole of the current row that the keyboard's colour keys fill, 0..LastHoleIndex. */
    int CursorHole = 0;
};

} // namespace tintrix
