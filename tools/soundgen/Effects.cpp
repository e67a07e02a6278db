// SPDX-License-Identifier: GPL-3.0-or-later
#include "Effects.h"

// Std
#include <cmath>
#include <numbers>
#include <random>

namespace tintrix::soundgen {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;

double seconds(std::size_t i)
{
    return double(i) / kSampleRate;
}

// A decaying sine: amplitude a, frequency f in Hz, time constant tau in seconds.
double ring(double t, double a, double f, double tau)
{
    return a * std::sin(kTwoPi * f * t) * std::exp(-t / tau);
}

// White noise in [-1, 1] from a fixed seed, so every build writes the same files.
class Noise {
public:
    explicit Noise(unsigned seed) : m_engine(seed) {}
    double next() { return m_dist(m_engine); }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_dist{-1.0, 1.0};
};

// A two-pole state-variable filter; band() gives the band-pass output.
class StateVariable {
public:
    double band(double x, double centreHz, double q)
    {
        const double f = 2 * std::sin(std::numbers::pi * centreHz / kSampleRate);
        const double high = x - m_low - m_band / q;
        m_band += f * high;
        m_low += f * m_band;
        return m_band;
    }

private:
    double m_low = 0;
    double m_band = 0;
};
} // namespace

Samples MakeChange()
{
    // A light tick: a high ping and a softer body, each gone within a few milliseconds,
    // over a breath of noise for the contact.
    Samples s(SamplesFor(0.07));
    Noise noise(7);
    StateVariable filter;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        const double contact = filter.band(noise.next(), 3500, 1.2) * std::exp(-t / 0.0015);
        s[i] = float(ring(t, 0.55, 2350, 0.0045) + ring(t, 0.45, 1180, 0.011) + 0.6 * contact);
    }
    Finish(s, 0.42f, 0.0015, 0.015);
    return s;
}

Samples MakeDropPeg()
{
    // The impact is a falling low thump and a burst of noise; the peg and the board then ring
    // at a few inharmonic modes, as wood does, the higher ones dying first.
    Samples s(SamplesFor(0.28));
    Noise noise(11);
    StateVariable filter;
    double thumpPhase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        const double thumpHz = 110 + 80 * std::exp(-t / 0.012);
        thumpPhase += kTwoPi * thumpHz / kSampleRate;
        const double thump = 0.7 * std::sin(thumpPhase) * std::exp(-t / 0.028);
        const double impact = 0.9 * filter.band(noise.next(), 1800, 0.9) * std::exp(-t / 0.002);
        const double wood = ring(t, 0.38, 612, 0.045) + ring(t, 0.22, 1453, 0.022)
                            + ring(t, 0.12, 2671, 0.011);
        s[i] = float(thump + impact + wood);
    }
    Finish(s, 0.7f, 0.001, 0.04);
    return s;
}

Samples MakeGling()
{
    // Two struck bars a fifth apart (E6, then B6 70 ms later). Each has the partials of a
    // glockenspiel bar (1, 2.76, 5.40 times the fundamental); the fundamental is split into
    // two sines 1.5 Hz apart so the tone shimmers as it dies away.
    Samples s(SamplesFor(0.9));
    struct Strike {
        double at;
        double hz;
        double gain;
    };
    constexpr Strike kStrikes[] = {{0.0, 1318.5, 1.0}, {0.07, 1975.5, 0.8}};
    constexpr double kRatio[] = {1.0, 2.756, 5.404};
    constexpr double kAmp[] = {1.0, 0.42, 0.18};
    constexpr double kTau[] = {0.32, 0.12, 0.045};
    for (std::size_t i = 0; i < s.size(); ++i) {
        double x = 0;
        for (const Strike& k : kStrikes) {
            const double t = seconds(i) - k.at;
            if (t < 0)
                continue;
            const double attack = std::min(1.0, t / 0.0015);
            x += k.gain * attack * 0.5 * (ring(t, kAmp[0], k.hz - 0.75, kTau[0]) + ring(t, kAmp[0], k.hz + 0.75, kTau[0]));
            for (int p = 1; p < 3; ++p)
                x += k.gain * attack * ring(t, kAmp[p], k.hz * kRatio[p], kTau[p]);
        }
        s[i] = float(x);
    }
    Finish(s, 0.6f, 0.001, 0.2);
    return s;
}

Samples MakeSwish()
{
    // Noise through a resonant band-pass whose centre sweeps up from 450 Hz to 6 kHz, under
    // a smooth swell that peaks a little before the middle.
    const double length = 0.32;
    Samples s(SamplesFor(length));
    Noise noise(23);
    StateVariable filter;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double u = seconds(i) / length;
        const double centre = 450 * std::pow(6000.0 / 450.0, u);
        const double swell = std::pow(std::sin(std::numbers::pi * std::pow(u, 0.8)), 2);
        s[i] = float(swell * filter.band(noise.next(), centre, 2.5));
    }
    Finish(s, 0.5f, 0.01, 0.03);
    return s;
}

} // namespace tintrix::soundgen
