// SPDX-License-Identifier: GPL-3.0-or-later
#include "Secret.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cmath>

namespace tintrix {

int DrawColour(float r, int colours)
{
    assert(r >= 0.0f && r < 1.0f);
    assert(colours > 0);
    const float product = r * float(colours);
    const int colour = int(std::floor(product)) + 1;
    // A value just below 1 times the colour count may round up to the count itself in single
    // precision; that would be a colour the level does not have.
    return std::min(colour, colours);
}

std::vector<int> DrawSecret(int holes, int colours, bool duplicatesAllowed, const std::function<float()>& nextRandom)
{
    assert(holes > 0);
    assert(duplicatesAllowed || colours >= holes);
    std::vector<int> secret(std::size_t(holes), 0);
    for (std::size_t i = 0; i < secret.size(); ++i) {
        for (;;) {
            secret[i] = DrawColour(nextRandom(), colours);
            if (duplicatesAllowed)
                break;
            const auto earlier = secret.begin() + std::ptrdiff_t(i);
            if (std::find(secret.begin(), earlier, secret[i]) == earlier)
                break;
        }
    }
    return secret;
}

void RandomGenerator::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    seed(std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

} // namespace tintrix
