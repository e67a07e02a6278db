// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring a guess against the secret combination.
#pragma once

#include "Piece.h"

#include <span>

namespace tintrix {

/** Feedback for one guess: black pegs (right colour, right hole) and grey pegs
 *  (right colour, another hole). exact + colourOnly never exceeds the holes. */
struct MatchCounts {
    int exact;
    int colourOnly;
};

/** Counts the matches of guess against secret (equal lengths, colour numbers),
 *  each peg of either side counting at most once. */
[[nodiscard]] MatchCounts CountMatches(std::span<const int> guess, std::span<const int> secret);

/** The same two passes on the pieces themselves: exact matches first, then for each
 *  unmarked guess hole the lowest unmarked secret hole of its colour. Sets Matched on
 *  every guess and secret piece that a pass pairs; both spans start unmarked. */
MatchCounts MarkMatches(std::span<Piece> guess, std::span<Piece> secret);

} // namespace tintrix
