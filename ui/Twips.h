// SPDX-License-Identifier: GPL-3.0-or-later
// Window measures are kept in twips, 15 to a logical pixel.
#pragma once

#include <cmath>

namespace tintrix {

inline constexpr int kTwipsPerPixel = 15;

/** Logical pixels for a length in twips, rounded to the nearest pixel. */
[[nodiscard]] constexpr int Twips(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

/** Twips for a length in logical pixels. */
[[nodiscard]] constexpr int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace tintrix
