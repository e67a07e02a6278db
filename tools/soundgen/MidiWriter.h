// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Standard MIDI Files (format 1): one track per part, events at absolute ticks.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tintrix::soundgen {

using Bytes = std::vector<std::uint8_t>;

/** Appends n as a MIDI variable-length quantity (7 bits per byte, high bit = more follows). */
void AppendVarLen(Bytes& out, std::uint32_t n);

/** One track of a MIDI file. Events are collected at absolute ticks in any order and sorted
 *  when the track is encoded: at the same tick, set-up events (tempo, program, controllers)
 *  come first, then note-offs, then note-ons, so a repeated note is never cut by its own end. */
class MidiTrack {
public:
    void name(std::string_view text);
    void tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    void note(std::uint32_t start, std::uint32_t length, int channel, int key, int velocity);
    /** Ends the track at tick (an End of Track event; later events are an error). */
    void end(std::uint32_t tick) { m_end = tick; }

    /** The MTrk chunk, header included. */
    [[nodiscard]] Bytes encode() const;
    [[nodiscard]] std::uint32_t lastTick() const;

private:
    enum class Order { Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        Bytes bytes;
    };
    void add(std::uint32_t tick, Order order, Bytes bytes);

    std::vector<Event> m_events;
    std::uint32_t m_end = 0;
};

/** A complete format-1 file: header chunk and the tracks in order. */
[[nodiscard]] Bytes EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

} // namespace tintrix::soundgen
