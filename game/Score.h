// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament score.
#pragma once

#include <cstdint>

namespace tintrix {

/** The score after winning tournament level `level` (1..36) on row `turnNumber` (1..rowLimit+1):
 *  250 points per level number plus 25 per level number for every row left free.
 *  32-bit with checked steps: a whole tournament stays far below the limit, and a result
 *  that would not fit stops at INT32_MAX instead of wrapping. */
[[nodiscard]] std::int32_t ScoreAfterWin(std::int32_t score, int level, int rowLimit, int turnNumber);

} // namespace tintrix
