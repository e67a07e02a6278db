// SPDX-License-Identifier: GPL-3.0-or-later
// What a checked row leads to.
#pragma once

#include <optional>

namespace tintrix {

/** How a check ended. */
enum class CheckEnd {
    NextRow,       ///< a miss with rows left: the next row is the current row
    LevelWon,      ///< the row matched; the score grew and the next level waits (BetweenLevels)
    LevelLost,     ///< a miss on the level's last row: the game is over
    TournamentWon, ///< the row matched on level 36: the game is over, won
};

/** How a check of row `turnNumber` (1-based) on a level with rowLimit + 1 rows ends, before the
 *  tournament is looked at: NextRow, LevelWon or LevelLost. */
[[nodiscard]] constexpr CheckEnd OutcomeOfCheck(int turnNumber, int rowLimit, bool gameWon)
{
    if (gameWon)
        return CheckEnd::LevelWon;
    return turnNumber < rowLimit + 1 ? CheckEnd::NextRow : CheckEnd::LevelLost;
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
