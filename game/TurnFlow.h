// SPDX-License-Identifier: GPL-3.0-or-later
// What a checked row leads to.
#pragma once

#include <optional>

namespace tintrix {

enum class CheckOutcome {
    NextRow,   ///< a miss with rows left: move down one row
    LevelLost, ///< a miss on the last row: the game is over
    LevelWon,  ///< the row matched the secret
};

/** The outcome of a check of row `turnNumber` (1-based) on a level with rowLimit + 1 rows. */
[[nodiscard]] constexpr CheckOutcome OutcomeOfCheck(int turnNumber, int rowLimit, bool gameWon)
{
    if (gameWon)
        return CheckOutcome::LevelWon;
    return turnNumber < rowLimit + 1 ? CheckOutcome::NextRow : CheckOutcome::LevelLost;
}

/** From level 19 on only the latest checked row keeps its black and grey pegs: returns the row
 *  whose feedback turns into X marks once the current row is `currentRow`, if any. */
[[nodiscard]] constexpr std::optional<int> RowToCover(int currentLevel, int currentRow)
{
    if (currentLevel >= 19 && currentRow >= 2)
        return currentRow - 2;
    return std::nullopt;
}

} // namespace tintrix
