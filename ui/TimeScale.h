// SPDX-License-Identifier: GPL-3.0-or-later
// The game's timers run at their real lengths; tests shorten them all by one factor.
#pragma once

namespace tintrix {

/** Sets the factor applied to every timer interval of the game (1 for players). */
void SetTimeScale(double factor);

/** A timer interval of the game, in milliseconds, after the time scale: at least 1. */
[[nodiscard]] int ScaledMs(int ms);

} // namespace tintrix
