// SPDX-License-Identifier: GPL-3.0-or-later
// Deterministic noise for the textures: the same seed draws the same picture on every build.
#pragma once

#include <cstdint>

namespace tintrix::art {

/** A well-mixed 32-bit hash of a lattice point and a seed. */
[[nodiscard]] std::uint32_t Hash(int x, int y, std::uint32_t seed);

/** Hash mapped to [0, 1). */
[[nodiscard]] double Hash01(int x, int y, std::uint32_t seed);

/** Smooth value noise in [0, 1]; one lattice cell per unit of x and y. */
[[nodiscard]] double ValueNoise(double x, double y, std::uint32_t seed);

/** Fractal sum of value noise, `octaves` layers each twice as fine and half as strong,
 *  normalised to [0, 1]. */
[[nodiscard]] double Fbm(double x, double y, int octaves, std::uint32_t seed);

/** A small counter-based random source: the n-th draw depends only on the seed and n. */
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_seed(seed) {}
    /** Next value in [0, 1). */
    double next() { return Hash01(m_count++, 0x5eed, m_seed); }
    /** Next value in [lo, hi). */
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t m_seed;
    int m_count = 0;
};

} // namespace tintrix::art
