// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiFileInfo.h"

// Std
#include <algorithm>
#include <map>
#include <optional>

namespace tintrix {

namespace {

// Reads big-endian numbers and MIDI quantities from a byte range; any read past the end
// marks the reader as failed and returns 0.
class Reader {
public:
    Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    [[nodiscard]] bool failed() const { return m_failed; }
    [[nodiscard]] bool atEnd() const { return m_pos >= m_bytes.size(); }
    [[nodiscard]] std::size_t pos() const { return m_pos; }

    std::uint32_t number(int bytes)
    {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | byte();
        return v;
    }

    std::uint8_t byte()
    {
        if (m_pos >= m_bytes.size()) {
            m_failed = true;
            return 0;
        }
        return m_bytes[m_pos++];
    }

    // A variable-length quantity: at most four bytes.
    std::uint32_t varLen()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            v = (v << 7) | (b & 0x7f);
            if (!(b & 0x80))
                return v;
        }
        m_failed = true;
        return 0;
    }

    void skip(std::size_t n)
    {
        if (n > m_bytes.size() - std::min(m_pos, m_bytes.size())) {
            m_failed = true;
            m_pos = m_bytes.size();
            return;
        }
        m_pos += n;
    }

    Reader sub(std::size_t n)
    {
        const std::size_t start = std::min(m_pos, m_bytes.size());
        skip(n);
        return Reader(m_bytes.subspan(start, m_failed ? 0 : n));
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

// Data bytes that follow a channel status byte.
int channelDataBytes(std::uint8_t status)
{
    const int kind = status & 0xf0;
    return kind == 0xc0 || kind == 0xd0 ? 1 : 2;
}

bool isProgramChange(std::uint8_t status) { return (status & 0xf0) == 0xc0; }

// Walks one track's events; returns its length in ticks and adds its tempo changes
// (tick -> microseconds per quarter) and the programs it selects. Empty when the track is
// malformed.
std::optional<std::int64_t> readTrack(Reader track, std::map<std::int64_t, std::uint32_t>& tempos,
                                      std::bitset<128>& programs)
{
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.atEnd()) {
        tick += track.varLen();
        std::uint8_t status = track.byte();
        if (track.failed())
            return std::nullopt;
        if (status < 0x80) {
            // Running status: this byte is the first data byte of a repeated channel message.
            if (running == 0)
                return std::nullopt;
            if (isProgramChange(running))
                programs.set(status);
            track.skip(std::size_t(channelDataBytes(running) - 1));
            continue;
        }
        if (status == 0xff) {
            const std::uint8_t type = track.byte();
            Reader data = track.sub(track.varLen());
            if (type == 0x51) {
                const std::uint32_t micros = data.number(3);
                if (!data.failed() && micros > 0)
                    tempos[tick] = micros;
            }
            running = 0;
            if (type == 0x2f)
                break; // End of Track: anything after it in the chunk is ignored
        } else if (status == 0xf0 || status == 0xf7) {
            track.skip(track.varLen());
            running = 0;
        } else if (status >= 0xf0) {
            return std::nullopt; // system messages other than sysex do not belong in a file
        } else {
            running = status;
            if (isProgramChange(status))
                programs.set(track.byte() & 0x7f);
            else
                track.skip(std::size_t(channelDataBytes(status)));
        }
        if (track.failed())
            return std::nullopt;
    }
    return tick;
}

std::int64_t durationMs(std::int64_t totalTicks, int ticksPerQuarter,
                        const std::map<std::int64_t, std::uint32_t>& tempos)
{
    double micros = 0;
    std::int64_t tick = 0;
    std::uint32_t tempo = 500000; // 120 beats a minute
    for (const auto& [at, next] : tempos) {
        if (at >= totalTicks)
            break;
        micros += double(at - tick) * tempo / ticksPerQuarter;
        tick = at;
        tempo = next;
    }
    micros += double(totalTicks - tick) * tempo / ticksPerQuarter;
    return std::int64_t(micros / 1000 + 0.5);
}

} // namespace

MidiFileInfo ReadMidiFileInfo(std::span<const std::uint8_t> bytes)
{
    MidiFileInfo info;
    Reader file(bytes);
    if (file.number(4) != 0x4d546864) // "MThd"
        return info;
    Reader header = file.sub(file.number(4));
    const auto format = int(header.number(2));
    const auto tracks = int(header.number(2));
    const auto division = int(header.number(2));
    if (file.failed() || header.failed() || format > 2 || tracks == 0 || division <= 0
        || division >= 0x8000)
        return info; // division with the top bit set is SMPTE time, which the player lacks

    std::map<std::int64_t, std::uint32_t> tempos;
    std::bitset<128> programs;
    std::int64_t longest = 0;
    int found = 0;
    while (found < tracks) {
        const std::uint32_t id = file.number(4);
        Reader chunk = file.sub(file.number(4));
        if (file.failed())
            return info;
        if (id != 0x4d54726b) // "MTrk"; other chunks are skipped, as the standard asks
            continue;
        const std::optional<std::int64_t> length = readTrack(chunk, tempos, programs);
        if (!length)
            return info;
        longest = std::max(longest, *length);
        ++found;
    }

    info.valid = true;
    info.format = format;
    info.tracks = tracks;
    info.ticksPerQuarter = division;
    info.totalTicks = longest;
    info.durationMs = durationMs(longest, division, tempos);
    info.programs = programs;
    return info;
}

} // namespace tintrix
