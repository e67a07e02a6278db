// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the secret combination.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace tintrix {

/** One colour from a uniform value r, 0 <= r < 1: floor(r * colours) + 1, in single precision,
 *  so 1..colours. */
[[nodiscard]] int DrawColour(float r, int colours);

/** A secret of `holes` colour numbers 1..colours. Without duplicates a draw equal to an earlier
 *  hole is thrown away and that hole drawn again; earlier holes never change. Every arrangement
 *  is then equally likely. Needs colours >= holes when duplicates are not allowed.
 *  nextRandom returns r with 0 <= r < 1 on every call. */
[[nodiscard]] std::vector<int> DrawSecret(int holes, int colours, bool duplicatesAllowed,
                                          const std::function<float()>& nextRandom);

/** The game's uniform generator of single-precision values 0 <= r < 1 (never 1.0),
 *  seeded from the clock when a tournament starts. */
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed = 0) : m_engine(seed) {}

    void seed(std::uint64_t value) { m_engine.seed(value); }
    void seedFromClock();

    /** The next value: 24 random bits scaled by 2^-24, so exactly representable and below 1. */
    float next() { return float(m_engine() >> 40) * 0x1.0p-24f; }

private:
    std::mt19937_64 m_engine;
};

} // namespace tintrix
