// SPDX-License-Identifier: GPL-3.0-or-later
// The game in words for screen readers, in the player's language (context "ScreenReader").
// In English each text is the one the rules' own descriptions give.
#pragma once

#include "GameState.h"

#include <QString>

#include <vector>

namespace tintrix {

/** "pink", "blue", ... for colour numbers 1..8; "empty" for 0. */
[[nodiscard]] QString SpokenColour(int colour);
/** What a guess hole holds: "empty" or "blue peg". */
[[nodiscard]] QString SpokenHole(const GameState& s, int row, int hole);
/** What a feedback hole shows: "empty", "black peg", "grey peg" or "hidden peg". */
[[nodiscard]] QString SpokenPeg(Peg peg);
/** The feedback of a checked row: "two black, one grey", "no pegs", or, once it is covered,
 *  "three pegs, feedback hidden". */
[[nodiscard]] QString SpokenFeedback(const GameState& s, int row);
/** Colours in order: "pink, blue, green, orange". */
[[nodiscard]] QString SpokenColours(const std::vector<int>& colours);

} // namespace tintrix
