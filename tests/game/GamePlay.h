// SPDX-License-Identifier: GPL-3.0-or-later
// A game driven through the model with a repeatable random source, as the tests play it.
#pragma once

#include "Game.h"

#include <algorithm>
#include <random>
#include <vector>

namespace tintrix {

using Ints = std::vector<int>;

/** A game with a repeatable random source, and the moves a player makes. */
struct Play {
    std::mt19937 engine{7};
    Game game{[this] { return std::uniform_real_distribution<float>(0.0f, 0.99f)(engine); }};

    const GameState& s() const { return game.state(); }
    void fill(const Ints& colours)
    {
        for (std::size_t j = 0; j < colours.size(); ++j) {
            game.PickColor(colours[j] - 1);
            game.ClickHole(int(j));
        }
    }
    /** Checks the current row and lets every peg drop; returns how the check ended. */
    std::optional<CheckEnd> check()
    {
        if (game.CheckMatch() != CheckStart::Started)
            return std::nullopt;
        while (game.DropPeg()) {
        }
        return game.FinishCheck();
    }
    /** The colours in play that are not in the secret. */
    Ints unused() const
    {
        const Ints secret = game.secret();
        Ints out;
        for (int c = 1; c <= s().ColorCount; ++c)
            if (std::find(secret.begin(), secret.end(), c) == secret.end())
                out.push_back(c);
        return out;
    }
    /** A full row that earns no peg at all. */
    Ints miss() const { return Ints(game.secret().size(), unused().at(0)); }
    void startTournament()
    {
        game.OpenLevel(1);
        game.NewGame();
        game.StartLevelPlay();
    }
    /** Wins the current level on row `row` (0-based). */
    std::optional<CheckEnd> winOnRow(int row)
    {
        for (int r = 0; r < row; ++r) {
            fill(miss());
            check();
        }
        fill(game.secret());
        return check();
    }
};

} // namespace tintrix
