// SPDX-License-Identifier: GPL-3.0-or-later
// What the music engine needs to know about a MIDI file before it plays a note of it.
#pragma once

#include <bitset>
#include <cstdint>
#include <span>

namespace tintrix {

/** The shape of a Standard MIDI File, read from its bytes.
 *  totalTicks is the length of the longest track (the sum of its delta times, End of Track
 *  included), which is the length FluidSynth's player reports once it has loaded the file.
 *  durationMs follows the tempo changes of every track (120 beats a minute until the first).
 *  programs holds every program number a Program Change of any channel selects. */
struct MidiFileInfo {
    bool valid = false;
    int format = 0;
    int tracks = 0;
    int ticksPerQuarter = 0;
    std::int64_t totalTicks = 0;
    std::int64_t durationMs = 0;
    std::bitset<128> programs;
};

/** Reads the header and every track chunk. A file that is cut short, has a chunk or an event
 *  that runs past its end, uses SMPTE time, or has no track at all is not valid. */
[[nodiscard]] MidiFileInfo ReadMidiFileInfo(std::span<const std::uint8_t> bytes);

} // namespace tintrix
