// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include <cmath>

namespace tintrix::art {

std::uint32_t Hash(int x, int y, std::uint32_t seed)
{
    // Integer finaliser in the style of murmur3: every input bit moves every output bit.
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= std::uint32_t(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= std::uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double Hash01(int x, int y, std::uint32_t seed)
{
    return double(Hash(x, y, seed) >> 8) / double(1u << 24);
}

namespace {
double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double a, double b, double t) { return a + (b - a) * t; }
} // namespace

double ValueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double top = Lerp(Hash01(ix, iy, seed), Hash01(ix + 1, iy, seed), tx);
    const double bottom = Lerp(Hash01(ix, iy + 1, seed), Hash01(ix + 1, iy + 1, seed), tx);
    return Lerp(top, bottom, ty);
}

double Fbm(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + std::uint32_t(i) * 7919u);
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

} // namespace tintrix::art
