// SPDX-License-Identifier: GPL-3.0-or-later
// The game's timers run at their real lengths; tests shorten them all by one factor, handed
// from the program's start to every window that times something.
#pragma once

namespace tintrix {

/** A timer interval of the game in milliseconds after the time scale (1 for players; a scale
 *  that is not above 0 counts as 1): at least 1. */
[[nodiscard]] int ScaledMs(int ms, double timeScale);

} // namespace tintrix
