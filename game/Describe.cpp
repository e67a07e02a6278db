// SPDX-License-Identifier: GPL-3.0-or-later
#include "Describe.h"

#include <array>

namespace tintrix {

namespace {
// clang-format off
constexpr std::array<const char*, 9> kColourNames{
    "empty", "pink", "blue", "purple", "green", "orange", "light blue", "dark blue", "red"};
constexpr std::array<const char*, 7> kCountWords{"no", "one", "two", "three", "four", "five", "six"};
// clang-format on
} // namespace

std::string ColourName(int colour)
{
    return colour >= 0 && colour < int(kColourNames.size()) ? kColourNames[std::size_t(colour)] : "unknown";
}

std::string CountWord(int n)
{
    return n >= 0 && n < int(kCountWords.size()) ? kCountWords[std::size_t(n)] : std::to_string(n);
}

std::string HoleText(const GameState& s, int row, int hole)
{
    const int colour = s.GuessPieces(row, hole).Color;
    return colour == 0 ? "empty" : ColourName(colour) + " peg";
}

std::string PegText(Peg peg)
{
    switch (peg) {
    case Peg::Black: return "black peg";
    case Peg::Grey: return "grey peg";
    case Peg::Hidden: return "hidden peg";
    case Peg::None: break;
    }
    return "empty";
}

std::string RowFeedbackText(const GameState& s, int row)
{
    int black = 0, grey = 0, hidden = 0;
    for (const Peg peg : s.Feedback.row(row)) {
        black += peg == Peg::Black;
        grey += peg == Peg::Grey;
        hidden += peg == Peg::Hidden;
    }
    if (hidden > 0)
        return CountWord(hidden) + (hidden == 1 ? " peg" : " pegs") + ", feedback hidden";
    if (black + grey == 0)
        return "no pegs";
    return CountWord(black) + " black, " + CountWord(grey) + " grey";
}

std::string ColoursText(const std::vector<int>& colours)
{
    std::string text;
    for (const int c : colours)
        text += (text.empty() ? "" : ", ") + ColourName(c);
    return text;
}

} // namespace tintrix
