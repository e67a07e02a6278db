// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound system with a stopwatch on the feedback pegs: every "DropPeg.wav" effect is
// timed before it is handed on, so the benchmark sees the pegs exactly when the player hears
// them start.
#pragma once

#include "AudioBackend.h"

// Std
#include <chrono>
#include <memory>
#include <vector>

namespace tintrix::bench {

using Clock = std::chrono::steady_clock;

/** Milliseconds between two instants, with fractions. */
[[nodiscard]] inline double MsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

class PegClock final : public AudioBackend {
public:
    explicit PegClock(std::unique_ptr<AudioBackend> real) : m_real(std::move(real)) {}

    void playEffect(const QString& path) override
    {
        if (path.endsWith(QLatin1String("DropPeg.wav")))
            pegs.push_back(Clock::now());
        m_real->playEffect(path);
    }
    MidiEngine& midi() override { return m_real->midi(); }

    std::vector<Clock::time_point> pegs; ///< when each feedback peg's sound was started

private:
    std::unique_ptr<AudioBackend> m_real;
};

} // namespace tintrix::bench
