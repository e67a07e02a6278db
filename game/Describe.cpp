// SPDX-License-Identifier: GPL-3.0-or-later
#include "Describe.h"

#include "Translatable.h"

#include <array>

namespace tintrix {

namespace {
// clang-format off
constexpr std::array<const char*, 9> kColourNames{
    QT_TRANSLATE_NOOP("ScreenReader", "empty"),      QT_TRANSLATE_NOOP("ScreenReader", "pink"),
    QT_TRANSLATE_NOOP("ScreenReader", "blue"),       QT_TRANSLATE_NOOP("ScreenReader", "purple"),
    QT_TRANSLATE_NOOP("ScreenReader", "green"),      QT_TRANSLATE_NOOP("ScreenReader", "orange"),
    QT_TRANSLATE_NOOP("ScreenReader", "light blue"), QT_TRANSLATE_NOOP("ScreenReader", "dark blue"),
    QT_TRANSLATE_NOOP("ScreenReader", "red")};
// A colour's peg, whole: other languages inflect the colour with the word for peg.
constexpr std::array<const char*, 9> kColourPegs{
    QT_TRANSLATE_NOOP("ScreenReader", "empty"),           QT_TRANSLATE_NOOP("ScreenReader", "pink peg"),
    QT_TRANSLATE_NOOP("ScreenReader", "blue peg"),        QT_TRANSLATE_NOOP("ScreenReader", "purple peg"),
    QT_TRANSLATE_NOOP("ScreenReader", "green peg"),       QT_TRANSLATE_NOOP("ScreenReader", "orange peg"),
    QT_TRANSLATE_NOOP("ScreenReader", "light blue peg"),  QT_TRANSLATE_NOOP("ScreenReader", "dark blue peg"),
    QT_TRANSLATE_NOOP("ScreenReader", "red peg")};
constexpr std::array<const char*, 7> kCountWords{
    QT_TRANSLATE_NOOP("ScreenReader", "no"),    QT_TRANSLATE_NOOP("ScreenReader", "one"),
    QT_TRANSLATE_NOOP("ScreenReader", "two"),   QT_TRANSLATE_NOOP("ScreenReader", "three"),
    QT_TRANSLATE_NOOP("ScreenReader", "four"),  QT_TRANSLATE_NOOP("ScreenReader", "five"),
    QT_TRANSLATE_NOOP("ScreenReader", "six")};
constexpr const char* kUnknown = QT_TRANSLATE_NOOP("ScreenReader", "unknown");
// clang-format on
} // namespace

const char* ColourWord(int colour)
{
    return colour >= 0 && colour < int(kColourNames.size()) ? kColourNames[std::size_t(colour)] : kUnknown;
}

const char* ColourPegWord(int colour)
{
    return colour >= 0 && colour < int(kColourPegs.size()) ? kColourPegs[std::size_t(colour)] : kUnknown;
}

const char* PegWord(Peg peg)
{
    switch (peg) {
    case Peg::Black: return QT_TRANSLATE_NOOP("ScreenReader", "black peg");
    case Peg::Grey: return QT_TRANSLATE_NOOP("ScreenReader", "grey peg");
    case Peg::Hidden: return QT_TRANSLATE_NOOP("ScreenReader", "hidden peg");
    case Peg::None: break;
    }
    return kColourNames[0];
}

const char* CountWordOrNull(int n)
{
    return n >= 0 && n < int(kCountWords.size()) ? kCountWords[std::size_t(n)] : nullptr;
}

FeedbackCount CountFeedback(const GameState& s, int row)
{
    FeedbackCount count;
    for (const Peg peg : s.Feedback.row(row)) {
        count.black += peg == Peg::Black;
        count.grey += peg == Peg::Grey;
        count.hidden += peg == Peg::Hidden;
    }
    return count;
}

std::string ColourName(int colour)
{
    return ColourWord(colour);
}

std::string CountWord(int n)
{
    const char* word = CountWordOrNull(n);
    return word ? word : std::to_string(n);
}

std::string HoleText(const GameState& s, int row, int hole)
{
    return ColourPegWord(s.GuessPieces(row, hole).Color);
}

std::string PegText(Peg peg)
{
    return PegWord(peg);
}

std::string RowFeedbackText(const GameState& s, int row)
{
    const FeedbackCount count = CountFeedback(s, row);
    if (count.hidden > 0)
        return CountWord(count.hidden) + (count.hidden == 1 ? " peg" : " pegs") + ", feedback hidden";
    if (count.black + count.grey == 0)
        return "no pegs";
    return CountWord(count.black) + " black, " + CountWord(count.grey) + " grey";
}

std::string ColoursText(const std::vector<int>& colours)
{
    std::string text;
    for (const int c : colours)
        text += (text.empty() ? "" : ", ") + ColourName(c);
    return text;
}

} // namespace tintrix
