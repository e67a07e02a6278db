// SPDX-License-Identifier: GPL-3.0-or-later
#include "Score.h"

#include <cassert>
#include <limits>

namespace tintrix {

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::int32_t clampTo32(std::int64_t v)
{
    return v > kMax ? kMax : v < kMin ? kMin : std::int32_t(v);
}
} // namespace

std::int32_t ScoreAfterWin(std::int32_t score, int level, int rowLimit, int turnNumber)
{
    assert(turnNumber >= 1 && turnNumber <= rowLimit + 1);
    // Same steps, same order as always: rows left, bonus, running sum, level points.
    const std::int64_t rowsLeft = std::int64_t(rowLimit) + 1 - turnNumber;
    const std::int64_t bonus = rowsLeft * (std::int64_t(level) * 25);
    const std::int64_t s = clampTo32(bonus + score);
    return clampTo32(std::int64_t(level) * 250 + s);
}

} // namespace tintrix
