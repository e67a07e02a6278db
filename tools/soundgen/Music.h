// SPDX-License-Identifier: GPL-3.0-or-later
// Note and chord names for writing music as text, and the durations of a 4/4 bar.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tintrix::soundgen {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerBar = 4 * kTicksPerQuarter;

/** MIDI key of a note name such as "C4" (60), "Bb3" or "F#5". Throws on a bad name. */
[[nodiscard]] int KeyOf(std::string_view name);

/** Ticks of a duration letter: w h q e s (whole to sixteenth), a trailing '.' adds half. */
[[nodiscard]] int TicksOf(std::string_view duration);

/** One note of a written line; key 0 is a rest. */
struct WrittenNote {
    int key;
    int ticks;
};

/** Parses a line such as "A4:q. G4:e r:q C5:h" (bar lines '|' are allowed and ignored). */
[[nodiscard]] std::vector<WrittenNote> ParseLine(std::string_view text);

/** A chord: root pitch class (0 = C) and the pitch classes above it, in semitones. */
struct Chord {
    int root;
    std::vector<int> intervals; ///< from the root: 0, third (or fourth), fifth, [seventh]
};

/** Parses "F", "Am", "Gm7", "Fmaj7", "C7", "C7sus" or "Csus". Throws on a bad name. */
[[nodiscard]] Chord ChordOf(std::string_view name);

/** The key of pitch class pc that lies in [low, low + 11]. */
[[nodiscard]] int KeyInRange(int pc, int low);

} // namespace tintrix::soundgen
