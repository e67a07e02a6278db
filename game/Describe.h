// SPDX-License-Identifier: GPL-3.0-or-later
// The game in words, for screen readers.
#pragma once

#include "GameState.h"

#include <string>
#include <vector>

namespace tintrix {

/** "pink", "blue", ... for colour numbers 1..8; "empty" for 0. */
[[nodiscard]] std::string ColourName(int colour);
/** A number of pegs in words: "no", "one", ... "six". */
[[nodiscard]] std::string CountWord(int n);
/** What a guess hole holds: "empty" or "blue peg". */
[[nodiscard]] std::string HoleText(const GameState& s, int row, int hole);
/** What a feedback hole shows: "empty", "black peg", "grey peg" or "hidden peg". */
[[nodiscard]] std::string PegText(Peg peg);
/** The feedback of a checked row: "two black, one grey", "no pegs", or, once it is covered,
 *  "three pegs, feedback hidden". */
[[nodiscard]] std::string RowFeedbackText(const GameState& s, int row);
/** The secret's colours in order: "pink, blue, green, orange". */
[[nodiscard]] std::string ColoursText(const std::vector<int>& colours);

// The same words one by one, for a translated description (their context is "ScreenReader").
/** "pink" for colour 1, "empty" for 0, "unknown" beyond the colours. */
[[nodiscard]] const char* ColourWord(int colour);
/** "pink peg" for colour 1, "empty" for 0, "unknown" beyond the colours. */
[[nodiscard]] const char* ColourPegWord(int colour);
/** "black peg", "grey peg", "hidden peg" or "empty". */
[[nodiscard]] const char* PegWord(Peg peg);
/** "no", "one", ... "six", or nullptr for any other number. */
[[nodiscard]] const char* CountWordOrNull(int n);

/** The feedback pegs of a row by kind. */
struct FeedbackCount {
    int black = 0;
    int grey = 0;
    int hidden = 0;
};
[[nodiscard]] FeedbackCount CountFeedback(const GameState& s, int row);

} // namespace tintrix
