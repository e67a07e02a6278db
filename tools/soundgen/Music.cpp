// SPDX-License-Identifier: GPL-3.0-or-later
#include "Music.h"

// Std
#include <stdexcept>
#include <string>

namespace tintrix::soundgen {

namespace {
[[noreturn]] void bad(std::string_view what, std::string_view text)
{
    throw std::invalid_argument(std::string(what) + ": '" + std::string(text) + "'");
}

// Pitch class of a letter with an optional sharp or flat; advances past what it read.
int pitchClass(std::string_view& text)
{
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (text.empty() || text[0] < 'A' || text[0] > 'G')
        bad("note letter", text);
    int pc = kLetters[text[0] - 'A'];
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        pc += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    return (pc + 12) % 12;
}
} // namespace

int KeyOf(std::string_view name)
{
    std::string_view rest = name;
    const int pc = pitchClass(rest);
    if (rest.size() != 1 || rest[0] < '0' || rest[0] > '8')
        bad("note octave", name);
    return (rest[0] - '0' + 1) * 12 + pc;
}

int TicksOf(std::string_view duration)
{
    if (duration.empty())
        bad("duration", duration);
    int ticks = 0;
    switch (duration[0]) {
    case 'w': ticks = 4 * kTicksPerQuarter; break;
    case 'h': ticks = 2 * kTicksPerQuarter; break;
    case 'q': ticks = kTicksPerQuarter; break;
    case 'e': ticks = kTicksPerQuarter / 2; break;
    case 's': ticks = kTicksPerQuarter / 4; break;
    default: bad("duration", duration);
    }
    if (duration.size() == 2 && duration[1] == '.')
        return ticks + ticks / 2;
    if (duration.size() != 1)
        bad("duration", duration);
    return ticks;
}

std::vector<WrittenNote> ParseLine(std::string_view text)
{
    std::vector<WrittenNote> notes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '|') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" |", pos), text.size());
        const std::string_view token = text.substr(pos, end - pos);
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            bad("note", token);
        const std::string_view pitch = token.substr(0, colon);
        notes.push_back({pitch == "r" ? 0 : KeyOf(pitch), TicksOf(token.substr(colon + 1))});
        pos = end;
    }
    return notes;
}

Chord ChordOf(std::string_view name)
{
    std::string_view rest = name;
    Chord chord{pitchClass(rest), {}};
    // clang-format off
    if      (rest == "")     chord.intervals = {0, 4, 7};
    else if (rest == "m")    chord.intervals = {0, 3, 7};
    else if (rest == "7")    chord.intervals = {0, 4, 7, 10};
    else if (rest == "m7")   chord.intervals = {0, 3, 7, 10};
    else if (rest == "maj7") chord.intervals = {0, 4, 7, 11};
    else if (rest == "sus")  chord.intervals = {0, 5, 7};
    else if (rest == "7sus") chord.intervals = {0, 5, 7, 10};
    else bad("chord", name);
    // clang-format on
    return chord;
}

int KeyInRange(int pc, int low)
{
    return low + ((pc - low) % 12 + 12) % 12;
}

} // namespace tintrix::soundgen
