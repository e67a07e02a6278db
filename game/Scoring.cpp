// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scoring.h"

#include <cassert>
#include <vector>

namespace tintrix {

MatchCounts MarkMatches(std::span<Piece> guess, std::span<Piece> secret)
{
    assert(guess.size() == secret.size());
    MatchCounts counts{0, 0};

    // Exact pass: right colour in the right hole.
    for (std::size_t j = 0; j < guess.size(); ++j) {
        if (guess[j].Color == secret[j].Color) {
            ++counts.exact;
            guess[j].Matched = true;
            secret[j].Matched = true;
        }
    }

    // Colour pass: each remaining guess peg takes the first unused secret peg of its colour.
    for (std::size_t i = 0; i < guess.size(); ++i) {
        if (guess[i].Matched)
            continue;
        for (std::size_t j = 0; j < secret.size(); ++j) {
            if (!secret[j].Matched && secret[j].Color == guess[i].Color) {
                ++counts.colourOnly;
                secret[j].Matched = true;
                guess[i].Matched = true;
                break;
            }
        }
    }
    return counts;
}

MatchCounts CountMatches(std::span<const int> guess, std::span<const int> secret)
{
    std::vector<Piece> g(guess.size());
    std::vector<Piece> s(secret.size());
    for (std::size_t i = 0; i < guess.size(); ++i)
        g[i].Color = guess[i];
    for (std::size_t i = 0; i < secret.size(); ++i)
        s[i].Color = secret[i];
    return MarkMatches(g, s);
}

} // namespace tintrix
