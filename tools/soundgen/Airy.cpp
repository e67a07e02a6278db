// SPDX-License-Identifier: GPL-3.0-or-later
#include "Airy.h"

#include "Music.h"

// Std
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string_view>

namespace tintrix::soundgen {

namespace {

// ---------------------------------------------------------------------------------------
// The score
//
// Form: intro (1 bar), A, A', B, A'' (8 bars each). A and A' state the flute tune; B hands the
// tune to the celesta over the relative minor while the flute holds a slow counter-line; A''
// brings the tune back with the celesta an octave above and closes on the dominant (C), so the
// loop falls back into the F major of the introduction without a seam.

// clang-format off
constexpr std::array<std::string_view, kAiryBars> kChords{
    "Fmaj7",                                                     // intro
    "F",  "Am", "Bb", "C",      "F",  "Dm",  "Gm7",   "C",       // A
    "F",  "Am", "Bb", "C",      "Dm", "Bb",  "C",     "F",       // A'
    "Dm", "Bb", "F",  "C",      "Dm", "Bb",  "Gm7",   "C",       // B
    "F",  "Am", "Bb", "C",      "Dm", "Gm7", "C7sus", "C",       // A''
};

constexpr std::string_view kFlute =
    "r:w |"
    // A
    "A4:q. G4:e A4:q C5:q | E5:h D5:q C5:q | D5:q. C5:e Bb4:q D5:q | C5:h G4:q A4:e Bb4:e |"
    "A4:q. G4:e A4:q F5:q | F5:q E5:e D5:e A4:h | Bb4:q D5:q F5:q. E5:e | E5:h. r:q |"
    // A'
    "A4:q. G4:e A4:q C5:q | E5:h G5:q E5:q | F5:q. D5:e Bb4:q D5:q | C5:h. r:q |"
    "D5:q F5:q A5:q. G5:e | F5:q D5:q Bb4:h | G4:q C5:q E5:q D5:q | F5:h. r:q |"
    // B: rests, then a slow counter-line under the celesta
    "r:w | r:w | r:w | r:w | A4:w | Bb4:w | D5:w | C5:w |"
    // A''
    "A4:q. G4:e A4:q C5:q | E5:h D5:q C5:q | D5:q. C5:e Bb4:q D5:q | C5:h G4:q A4:e Bb4:e |"
    "D5:q F5:q A5:q. G5:e | F5:q D5:q Bb4:h | C5:q F5:q G5:q. F5:e | E5:w";

constexpr std::string_view kCelesta =
    "r:h C6:q E6:q |"
    // A: silent
    "r:w | r:w | r:w | r:w | r:w | r:w | r:w | r:w |"
    // A': answers on the third and fourth beats
    "r:h C6:q A5:q | r:h E6:q C6:q | r:h D6:q Bb5:q | r:h E6:q C6:q |"
    "r:h F6:q D6:q | r:h D6:q F6:q | r:h E6:q G6:q | F6:h r:h |"
    // B: the tune
    "D5:e E5:e F5:q A5:h | G5:q F5:q D5:h | C5:e D5:e F5:q A5:q. G5:e | G5:h. r:q |"
    "D5:e E5:e F5:q A5:q D6:q | C6:q Bb5:q F5:h | G5:q Bb5:q A5:q. G5:e | E5:h. r:q |"
    // A'': the flute's tune an octave higher, then answers again
    "A5:q. G5:e A5:q C6:q | E6:h D6:q C6:q | D6:q. C6:e Bb5:q D6:q | C6:h G5:q A5:e Bb5:e |"
    "r:h F6:q D6:q | r:h D6:q Bb5:q | r:h F6:q C6:q | r:h E6:q C6:q";
// clang-format on

enum class Section { Intro, A, A2, B, A3 };

Section sectionOf(int bar)
{
    if (bar == 0)
        return Section::Intro;
    return std::array{Section::A, Section::A2, Section::B, Section::A3}[(bar - 1) / 8];
}

// General MIDI programs (numbered from 0) and channels of the parts.
struct Part {
    std::string_view name;
    int channel;
    int program;
    int volume;
    int pan;
    int reverb;
};
// clang-format off
constexpr Part kFlutePart   {"Flute",       0, 73, 100, 52, 50};
constexpr Part kCelestaPart {"Celesta",     1,  8,  92, 78, 60};
constexpr Part kHarpPart    {"Harp",        2, 46,  88, 40, 55};
constexpr Part kStringsPart {"Strings",     3, 49,  72, 70, 64};
constexpr Part kBassPart    {"Bass",        4, 32,  92, 64, 30};
constexpr Part kDrumPart    {"Percussion",  9,  0,  70, 76, 45};
// clang-format on

constexpr int kMaracas = 70;
constexpr int kOpenTriangle = 81;

// A small fixed generator, so the same build always writes the same file.
class Jitter {
public:
    int next(int spread)
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) % unsigned(2 * spread + 1)) - spread;
    }

private:
    unsigned m_state = 20240611u;
};

std::uint32_t barStart(int bar)
{
    return std::uint32_t(bar * kTicksPerBar);
}

MidiTrack partTrack(const Part& part)
{
    MidiTrack t;
    t.name(part.name);
    if (part.channel != 9)
        t.program(0, part.channel, part.program);
    t.controller(0, part.channel, 7, part.volume);
    t.controller(0, part.channel, 10, part.pan);
    t.controller(0, part.channel, 11, 127);
    t.controller(0, part.channel, 91, part.reverb);
    t.controller(0, part.channel, 93, 0);
    t.end(barStart(kAiryBars));
    return t;
}

// A written line; velocities rise and fall over each four-bar phrase.
// Section B changes the velocity by liftInB: the flute steps back there, the celesta leads.
void writeLine(MidiTrack& t, const Part& part, std::string_view text, int baseVelocity,
               int gapTicks, int liftInB, Jitter& jitter)
{
    std::uint32_t now = 0;
    for (const WrittenNote& n : ParseLine(text)) {
        if (n.key != 0) {
            const double phrase = double(now % (4 * kTicksPerBar)) / (4 * kTicksPerBar);
            const bool downbeat = now % kTicksPerBar == 0;
            const int lift = sectionOf(int(now / kTicksPerBar)) == Section::B ? liftInB : 0;
            const int velocity = baseVelocity + lift + int(std::lround(8 * std::sin(std::numbers::pi * phrase)))
                                 + (downbeat ? 4 : 0) + jitter.next(3);
            t.note(now, std::uint32_t(std::max(n.ticks - gapTicks, 30)), part.channel, n.key,
                   std::clamp(velocity, 1, 127));
        }
        now += std::uint32_t(n.ticks);
    }
    // Every line fills the piece exactly: a short line would be a wrong bar in the score.
    if (now != barStart(kAiryBars))
        throw std::logic_error("a line of the score does not fill the piece");
}

// Broken chords: eighths up and down in A sections, slower quarters in B.
void writeHarp(MidiTrack& t, Jitter& jitter)
{
    for (int bar = 0; bar < kAiryBars; ++bar) {
        const Chord c = ChordOf(kChords[bar]);
        const int root = KeyInRange(c.root, 48);
        const int third = root + 12 + c.intervals[1];
        const int fifth = root + c.intervals[2];
        // On the way down a seventh chord touches its seventh where a triad has its root.
        const int top = c.intervals.size() > 3 ? root + c.intervals[3] : root + 12;
        const bool slow = sectionOf(bar) == Section::B;
        const std::array eighths{root, fifth, root + 12, third, fifth + 12, third, top, fifth};
        const std::array quarters{root, fifth, third, fifth + 12};
        const int count = slow ? 4 : 8;
        const int step = kTicksPerBar / count;
        for (int i = 0; i < count; ++i) {
            const int key = slow ? quarters[i] : eighths[i];
            const int velocity = (i == 0 ? 60 : 50) + jitter.next(4);
            // Each string rings into the next note; the last ones stop with the piece.
            const std::uint32_t start = barStart(bar) + std::uint32_t(i * step);
            const std::uint32_t ring = std::min<std::uint32_t>(slow ? step * 3 / 2 : step * 2,
                                                               barStart(kAiryBars) - start);
            t.note(start, ring, kHarpPart.channel, key, velocity);
        }
    }
}

// Sustained chords, each voiced as close as possible to the one before; a voice that keeps
// its note is held across the bar line instead of struck again.
void writeStrings(MidiTrack& t)
{
    std::vector<int> previous{57, 60, 64, 65}; // around middle C
    std::map<int, std::uint32_t> sounding;      // key -> start tick
    auto velocityOf = [](int bar) {
        switch (sectionOf(bar)) {
        case Section::Intro: return 44;
        case Section::A: return 48;
        case Section::A2: return 52;
        case Section::B: return 62;
        case Section::A3: return 56;
        }
        return 50;
    };
    std::map<int, int> velocities; // key -> velocity at its start
    for (int bar = 0; bar < kAiryBars; ++bar) {
        const Chord c = ChordOf(kChords[bar]);
        std::vector<int> best;
        int bestCost = 1 << 30;
        for (int low = 53; low <= 64; ++low) {
            // A voicing: each chord tone once, stacked upwards from the note at 'low'.
            const int lowPc = low % 12;
            const auto it = std::find_if(c.intervals.begin(), c.intervals.end(),
                                         [&](int iv) { return (c.root + iv) % 12 == lowPc; });
            if (it == c.intervals.end())
                continue;
            std::vector<int> voicing;
            for (int iv : c.intervals)
                voicing.push_back(KeyInRange((c.root + iv) % 12, low));
            std::sort(voicing.begin(), voicing.end());
            int cost = 0;
            for (int v : voicing) {
                int nearest = 1 << 20;
                for (int p : previous)
                    nearest = std::min(nearest, std::abs(v - p));
                cost += nearest;
            }
            if (cost < bestCost) {
                bestCost = cost;
                best = voicing;
            }
        }
        const std::uint32_t start = barStart(bar);
        for (auto it = sounding.begin(); it != sounding.end();) {
            if (std::find(best.begin(), best.end(), it->first) == best.end()) {
                t.note(it->second, start - it->second, kStringsPart.channel, it->first,
                       velocities[it->first]);
                it = sounding.erase(it);
            } else {
                ++it;
            }
        }
        for (int key : best) {
            if (!sounding.contains(key)) {
                sounding[key] = start;
                velocities[key] = velocityOf(bar);
            }
        }
        previous = best;
    }
    for (const auto& [key, start] : sounding)
        t.note(start, barStart(kAiryBars) - start, kStringsPart.channel, key, velocities[key]);
}

// Roots on the first beat, the fifth on the fourth; whole notes in B and in the last bar.
void writeBass(MidiTrack& t, Jitter& jitter)
{
    for (int bar = 0; bar < kAiryBars; ++bar) {
        const Chord c = ChordOf(kChords[bar]);
        const int root = KeyInRange(c.root, 36);
        const std::uint32_t start = barStart(bar);
        if (sectionOf(bar) == Section::B || bar == kAiryBars - 1 || bar == 0) {
            t.note(start, kTicksPerBar - 40, kBassPart.channel, root, 74 + jitter.next(3));
        } else {
            t.note(start, 3 * kTicksPerQuarter - 40, kBassPart.channel, root, 76 + jitter.next(3));
            t.note(start + 3 * kTicksPerQuarter, kTicksPerQuarter - 30, kBassPart.channel,
                   root + c.intervals[2], 64 + jitter.next(3));
        }
    }
}

// A soft shaker in A' and A'', a triangle at the start of each section.
void writePercussion(MidiTrack& t, Jitter& jitter)
{
    constexpr std::array kShake{34, 20, 28, 20, 34, 20, 28, 24};
    for (int bar = 1; bar < kAiryBars; ++bar) {
        const Section s = sectionOf(bar);
        if ((bar - 1) % 8 == 0)
            t.note(barStart(bar), kTicksPerBar, kDrumPart.channel, kOpenTriangle, 46 + jitter.next(3));
        if (s != Section::A2 && s != Section::A3)
            continue;
        for (int i = 0; i < 8; ++i)
            t.note(barStart(bar) + std::uint32_t(i * kTicksPerBar / 8), 60, kDrumPart.channel,
                   kMaracas, kShake[i] + jitter.next(3));
    }
}

} // namespace

Bytes ComposeAiry()
{
    Jitter jitter;
    std::vector<MidiTrack> tracks;

    MidiTrack conductor;
    conductor.name("Airy");
    conductor.tempo(0, std::uint32_t(60'000'000 / kAiryTempoBpm));
    conductor.timeSignature(0, 4, 2);
    conductor.end(barStart(kAiryBars));
    tracks.push_back(std::move(conductor));

    MidiTrack flute = partTrack(kFlutePart);
    writeLine(flute, kFlutePart, kFlute, 84, 24, -16, jitter);
    tracks.push_back(std::move(flute));

    MidiTrack celesta = partTrack(kCelestaPart);
    writeLine(celesta, kCelestaPart, kCelesta, 72, 0, +16, jitter);
    tracks.push_back(std::move(celesta));

    MidiTrack harp = partTrack(kHarpPart);
    writeHarp(harp, jitter);
    tracks.push_back(std::move(harp));

    MidiTrack strings = partTrack(kStringsPart);
    writeStrings(strings);
    tracks.push_back(std::move(strings));

    MidiTrack bass = partTrack(kBassPart);
    writeBass(bass, jitter);
    tracks.push_back(std::move(bass));

    MidiTrack drums = partTrack(kDrumPart);
    writePercussion(drums, jitter);
    tracks.push_back(std::move(drums));

    return EncodeMidiFile(kTicksPerQuarter, tracks);
}

} // namespace tintrix::soundgen
