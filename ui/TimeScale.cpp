// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeScale.h"

#include <algorithm>
#include <cmath>

namespace tintrix {

namespace {
double g_factor = 1.0;
}

void SetTimeScale(double factor) { g_factor = factor > 0 ? factor : 1.0; }

int ScaledMs(int ms) { return std::max(1, int(std::lround(ms * g_factor))); }

} // namespace tintrix
