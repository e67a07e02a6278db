// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeScale.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tintrix {

int ScaledMs(int ms, double timeScale)
{
    if (!(timeScale > 0) || !std::isfinite(timeScale))
        timeScale = 1.0;
    return int(std::lround(std::clamp(ms * timeScale, 1.0, double(INT_MAX))));
}

} // namespace tintrix
