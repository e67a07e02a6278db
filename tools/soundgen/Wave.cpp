// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wave.h"

// Std
#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>
#include <numeric>

namespace tintrix::soundgen {

namespace {
void appendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

void append(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}
} // namespace

void Finish(Samples& s, float peak, double fadeInSeconds, double fadeOutSeconds)
{
    assert(peak > 0 && peak < 1 && !s.empty());
    const double mean = std::accumulate(s.begin(), s.end(), 0.0) / double(s.size());
    for (float& x : s)
        x -= float(mean);

    const std::size_t in = std::min(SamplesFor(fadeInSeconds), s.size());
    const std::size_t out = std::min(SamplesFor(fadeOutSeconds), s.size());
    // Ramps run from exactly 0 at the outer sample, so both ends are silent.
    for (std::size_t i = 0; i < in; ++i)
        s[i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(in)));
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(out)));

    float largest = 0;
    for (float x : s)
        largest = std::max(largest, std::abs(x));
    if (largest > 0) {
        for (float& x : s)
            x *= peak / largest;
    }
}

std::vector<std::uint8_t> EncodeWave(const Samples& s)
{
    constexpr int kBytesPerSample = 2;
    const auto dataBytes = std::uint32_t(s.size() * kBytesPerSample);
    std::vector<std::uint8_t> file;
    file.reserve(44 + dataBytes);
    append(file, "RIFF");
    appendLittleEndian(file, 36 + dataBytes, 4);
    append(file, "WAVE");
    append(file, "fmt ");
    appendLittleEndian(file, 16, 4);
    appendLittleEndian(file, 1, 2); // PCM
    appendLittleEndian(file, 1, 2); // mono
    appendLittleEndian(file, kSampleRate, 4);
    appendLittleEndian(file, kSampleRate * kBytesPerSample, 4);
    appendLittleEndian(file, kBytesPerSample, 2);
    appendLittleEndian(file, 16, 2);
    append(file, "data");
    appendLittleEndian(file, dataBytes, 4);
    for (float x : s) {
        const long v = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
        appendLittleEndian(file, std::uint32_t(std::int16_t(v)) & 0xffffu, 2);
    }
    return file;
}

} // namespace tintrix::soundgen
