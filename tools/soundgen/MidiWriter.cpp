// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiWriter.h"

// Std
#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace tintrix::soundgen {

namespace {
void appendBigEndian(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

std::uint8_t data7(int value)
{
    assert(value >= 0 && value <= 127);
    return std::uint8_t(std::clamp(value, 0, 127));
}

std::uint8_t status(int kind, int channel)
{
    assert(channel >= 0 && channel < 16);
    return std::uint8_t(kind | (channel & 0x0f));
}
} // namespace

void AppendVarLen(Bytes& out, std::uint32_t n)
{
    // A quantity holds at most 28 bits (four bytes) in a MIDI file.
    assert(n < (1u << 28));
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = std::uint8_t(n & 0x7f);
        n >>= 7;
    } while (n != 0 && count < 4);
    while (count > 1)
        out.push_back(std::uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void MidiTrack::add(std::uint32_t tick, Order order, Bytes bytes)
{
    m_events.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::name(std::string_view text)
{
    Bytes bytes{0xff, 0x03};
    AppendVarLen(bytes, std::uint32_t(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(0, Order::Setup, std::move(bytes));
}

void MidiTrack::tempo(std::uint32_t tick, std::uint32_t microsPerQuarter)
{
    Bytes bytes{0xff, 0x51, 0x03};
    appendBigEndian(bytes, microsPerQuarter, 3);
    add(tick, Order::Setup, std::move(bytes));
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower)
{
    // 24 MIDI clocks per metronome click, 8 thirty-second notes per quarter.
    add(tick, Order::Setup,
        {0xff, 0x58, 0x04, std::uint8_t(numerator), std::uint8_t(denominatorPower), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program)
{
    add(tick, Order::Setup, {status(0xc0, channel), data7(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value)
{
    add(tick, Order::Setup, {status(0xb0, channel), data7(number), data7(value)});
}

void MidiTrack::note(std::uint32_t start, std::uint32_t length, int channel, int key, int velocity)
{
    assert(length > 0 && velocity > 0);
    add(start, Order::NoteOn, {status(0x90, channel), data7(key), data7(velocity)});
    // A note-on with velocity 0 is the usual note-off and keeps running status.
    add(start + length, Order::NoteOff, {status(0x90, channel), data7(key), 0});
}

std::uint32_t MidiTrack::lastTick() const
{
    std::uint32_t last = 0;
    for (const Event& e : m_events)
        last = std::max(last, e.tick);
    return last;
}

Bytes MidiTrack::encode() const
{
    if (lastTick() > m_end)
        throw std::logic_error("MIDI event after the end of its track");

    std::vector<const Event*> order;
    order.reserve(m_events.size());
    for (const Event& e : m_events)
        order.push_back(&e);
    std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
    });

    Bytes body;
    std::uint32_t now = 0;
    std::uint8_t running = 0;
    for (const Event* e : order) {
        AppendVarLen(body, e->tick - now);
        now = e->tick;
        auto first = e->bytes.begin();
        const std::uint8_t head = e->bytes.front();
        if (head < 0xf0) {
            // Channel message: leave out a status byte equal to the previous one.
            if (head == running)
                ++first;
            running = head;
        } else {
            running = 0;
        }
        body.insert(body.end(), first, e->bytes.end());
    }
    AppendVarLen(body, m_end - now);
    body.insert(body.end(), {0xff, 0x2f, 0x00});

    Bytes chunk{'M', 'T', 'r', 'k'};
    appendBigEndian(chunk, std::uint32_t(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks)
{
    assert(ticksPerQuarter > 0 && ticksPerQuarter < 0x8000);
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    appendBigEndian(file, 1, 2); // format 1: simultaneous tracks
    appendBigEndian(file, std::uint32_t(tracks.size()), 2);
    appendBigEndian(file, std::uint32_t(ticksPerQuarter), 2);
    for (const MidiTrack& t : tracks) {
        const Bytes chunk = t.encode();
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

} // namespace tintrix::soundgen
