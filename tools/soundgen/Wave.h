// SPDX-License-Identifier: GPL-3.0-or-later
// Mono sounds as float samples, finished into 16-bit PCM wave files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tintrix::soundgen {

inline constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

/** Seconds to a sample count at kSampleRate. */
[[nodiscard]] inline std::size_t SamplesFor(double seconds)
{
    return std::size_t(seconds * kSampleRate + 0.5);
}

/** Makes a sound ready to write: removes any DC offset, scales it so its largest sample is
 *  peak (0 < peak < 1), and fades both ends over raised-cosine ramps so that it starts and
 *  ends on silence. */
void Finish(Samples& s, float peak, double fadeInSeconds, double fadeOutSeconds);

/** The bytes of a RIFF/WAVE file: PCM, one channel, kSampleRate, 16 bits. Samples are clamped
 *  to [-1, 1] and rounded. */
[[nodiscard]] std::vector<std::uint8_t> EncodeWave(const Samples& s);

} // namespace tintrix::soundgen
