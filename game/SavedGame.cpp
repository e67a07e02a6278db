// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGame.h"

#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"
#include "TurnFlow.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tintrix {

namespace {

constexpr std::string_view kMagic = "Tintrix tournament";

// clang-format off
constexpr std::array<std::pair<SavedStage, std::string_view>, 4> kStages{{
    {SavedStage::Playing,  "playing"},
    {SavedStage::Checking, "checking"},
    {SavedStage::Between,  "between"},
    {SavedStage::Over,     "over"},
}};
constexpr std::array<std::pair<Peg, char>, 4> kPegs{{
    {Peg::None, '.'}, {Peg::Black, 'B'}, {Peg::Grey, 'G'}, {Peg::Hidden, 'X'},
}};
// clang-format on

// CRC-32 (the polynomial of zip and PNG): catches any changed byte, and a cut that drops
// whole lines.
std::uint32_t Crc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A marked game's name: twelve characters of at most four bytes; entries alike: the table's five.
constexpr std::size_t kMaxMarkedNameBytes = 48;
constexpr std::int64_t kMaxMarkedSame = 5;

std::string HexOf(std::uint32_t value)
{
    char text[8];
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[i] = "0123456789abcdef"[value & 0xF];
    return {text, 8};
}

// A plain decimal number as this program writes it: digits only, no sign, no leading zero.
std::optional<std::int64_t> Number(std::string_view text)
{
    if (text.size() > 1 && text[0] == '0')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// Lines of text split at '\n'; the last one must end with it too.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    /** The next line when it starts with `key` and a blank; its rest. */
    std::optional<std::string_view> field(std::string_view key)
    {
        const std::optional<std::string_view> line = next();
        if (!line || line->size() <= key.size() || line->substr(0, key.size()) != key || (*line)[key.size()] != ' ')
            return std::nullopt;
        return line->substr(key.size() + 1);
    }
    std::optional<std::int64_t> number(std::string_view key)
    {
        const auto rest = field(key);
        return rest ? Number(*rest) : std::nullopt;
    }
    std::optional<std::string_view> next()
    {
        const std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        return line;
    }
    [[nodiscard]] bool atEnd() const { return m_pos == m_text.size(); }
    [[nodiscard]] std::size_t position() const { return m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::optional<std::vector<int>> Colours(std::string_view text)
{
    std::vector<int> colours;
    while (!text.empty() && colours.size() < std::size_t(kMaxHoles)) {
        const std::size_t blank = text.find(' ');
        const auto n = Number(text.substr(0, blank));
        if (!n || *n > kMaxColors)
            return std::nullopt;
        colours.push_back(int(*n));
        if (blank == std::string_view::npos)
            return colours;
        text.remove_prefix(blank + 1);
    }
    return std::nullopt;
}

std::optional<std::vector<Peg>> Pegs(std::string_view text)
{
    if (text.empty() || text.size() > std::size_t(kMaxHoles))
        return std::nullopt;
    std::vector<Peg> pegs;
    for (const char c : text) {
        const auto* found = std::find_if(kPegs.begin(), kPegs.end(), [c](const auto& p) { return p.second == c; });
        if (found == kPegs.end())
            return std::nullopt;
        pegs.push_back(found->first);
    }
    return pegs;
}

std::string ColoursText(const std::vector<int>& colours)
{
    std::string text;
    for (const int c : colours)
        text += (text.empty() ? "" : " ") + std::to_string(c);
    return text;
}

// The lowest and highest score after winning levels 1..won: every level on its last row, or
// every level on its first row.
std::pair<std::int32_t, std::int32_t> ScoreRange(int won)
{
    std::int32_t low = 0, high = 0;
    for (int level = 1; level <= won; ++level) {
        const int rowLimit = FetchLevel(CatalogueRowForLevel(level))->RowLimit;
        low = ScoreAfterWin(low, level, rowLimit, rowLimit + 1);
        high = ScoreAfterWin(high, level, rowLimit, 1);
    }
    return {low, high};
}

bool ValidColours(const std::vector<int>& row, const LevelSpec& spec, bool emptyAllowed)
{
    return int(row.size()) == spec.Holes && std::all_of(row.begin(), row.end(), [&](int c) {
               return c <= spec.ColorCount && (emptyAllowed ? c >= 0 : c >= 1);
           });
}

} // namespace

std::vector<Peg> FeedbackFor(const std::vector<int>& guess, const std::vector<int>& secret, bool covered)
{
    const MatchCounts counts = CountMatches(guess, secret);
    std::vector<Peg> pegs(guess.size(), Peg::None);
    for (int i = 0; i < counts.exact + counts.colourOnly; ++i)
        pegs[std::size_t(i)] = covered ? Peg::Hidden : i < counts.exact ? Peg::Black : Peg::Grey;
    return pegs;
}

bool IsPlayable(const SavedGame& g)
{
    const bool onBoard = g.stage == SavedStage::Playing || g.stage == SavedStage::Checking;
    const int lowestLevel = g.stage == SavedStage::Between ? 0 : 1;
    const int highestLevel = g.stage == SavedStage::Between ? kTournamentLevels - 1 : kTournamentLevels;
    if (g.level < lowestLevel || g.level > highestLevel)
        return false;

    // Levels won before this one: all before it, the one just won too when Between; a game
    // over may have ended with a loss or with the last level won.
    const int wonAtLeast = g.stage == SavedStage::Between ? g.level : g.level - 1;
    const int wonAtMost = g.stage == SavedStage::Over ? g.level : wonAtLeast;
    if (g.score < ScoreRange(wonAtLeast).first || g.score > ScoreRange(wonAtMost).second)
        return false;
    if (!onBoard)
        return g.currentRow == 0 && g.secret.empty() && g.rows.empty() && g.feedback.empty();

    const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(g.level));
    if (g.currentRow < 0 || g.currentRow > spec.RowLimit || int(g.rows.size()) != g.currentRow + 1
        || int(g.feedback.size()) != g.currentRow || !ValidColours(g.secret, spec, false))
        return false;
    if (!spec.DuplicatesAllowed) {
        std::vector<int> sorted = g.secret;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            return false;
    }
    for (int r = 0; r < g.currentRow; ++r) {
        const std::vector<int>& row = g.rows[std::size_t(r)];
        // A checked row is full, and missed: a match would have ended the level.
        if (!ValidColours(row, spec, false) || row == g.secret)
            return false;
        const bool covered = RowToCover(g.level, g.currentRow).value_or(-1) >= r;
        if (g.feedback[std::size_t(r)] != FeedbackFor(row, g.secret, covered))
            return false;
    }
    return ValidColours(g.rows.back(), spec, g.stage == SavedStage::Playing);
}

std::string EncodeSavedGame(const SavedGame& g)
{
    const auto stage = std::find_if(kStages.begin(), kStages.end(), [&](const auto& s) { return s.first == g.stage; });
    std::string text = std::string(kMagic) + "\n";
    text += "format " + std::to_string(kSavedGameFormat) + "\n";
    text += "stage " + std::string(stage->second) + "\n";
    text += "level " + std::to_string(g.level) + "\n";
    text += "catalogue " + std::to_string(g.level == 0 ? 0 : CatalogueRowForLevel(g.level)) + "\n";
    text += "score " + std::to_string(g.score) + "\n";
    if (g.stage == SavedStage::Over && g.scoreMark) {
        text += "named " + std::to_string(g.scoreMark->sameBefore) + " ";
        for (const char c : g.scoreMark->name)
            text += HexOf(std::uint8_t(c)).substr(6);
        text += "\n";
    }
    if (g.stage == SavedStage::Playing || g.stage == SavedStage::Checking) {
        text += "row " + std::to_string(g.currentRow) + "\n";
        text += "secret " + ColoursText(g.secret) + "\n";
        for (std::size_t r = 0; r < g.rows.size(); ++r) {
            text += "guess " + ColoursText(g.rows[r]) + "\n";
            if (r < g.feedback.size()) {
                text += "feedback ";
                for (const Peg peg : g.feedback[r])
                    text += std::find_if(kPegs.begin(), kPegs.end(), [peg](const auto& p) { return p.first == peg; })->second;
                text += "\n";
            }
        }
    }
    return text + "check " + HexOf(Crc32(text)) + "\n";
}

DecodedGame DecodeSavedGame(std::string_view bytes)
{
    const DecodedGame damaged{std::nullopt, SavedGameFault::Damaged};
    Lines lines(bytes);
    if (bytes.size() > kSavedGameMaxBytes || lines.next() != kMagic)
        return {std::nullopt, SavedGameFault::NotOurs};
    // The version first: a later format may be laid out, and checked, otherwise.
    const auto format = lines.number("format");
    if (!format)
        return damaged;
    if (*format > kSavedGameFormat)
        return {std::nullopt, SavedGameFault::Newer};
    if (*format != kSavedGameFormat)
        return damaged;
    const std::size_t checkLine = bytes.rfind("check ", bytes.size() < 2 ? 0 : bytes.size() - 2);
    if (checkLine == std::string_view::npos || (checkLine > 0 && bytes[checkLine - 1] != '\n')
        || bytes.substr(checkLine) != "check " + HexOf(Crc32(bytes.substr(0, checkLine))) + "\n")
        return damaged;
    const std::string_view body = bytes.substr(0, checkLine);

    SavedGame g;
    const auto stageName = lines.field("stage");
    const auto stage = std::find_if(kStages.begin(), kStages.end(), [&](const auto& s) { return stageName == s.second; });
    const auto level = lines.number("level");
    const auto catalogue = lines.number("catalogue");
    const auto score = lines.number("score");
    if (stage == kStages.end() || !level || !catalogue || !score || *level > kTournamentLevels
        || *catalogue != (*level == 0 ? 0 : CatalogueRowForLevel(int(*level))) || *score > INT32_MAX)
        return damaged;
    g.stage = stage->first;
    g.level = int(*level);
    g.score = std::int32_t(*score);

    if (g.stage == SavedStage::Over && lines.position() != body.size()) {
        const auto named = lines.field("named");
        const std::size_t blank = named ? named->find(' ') : std::string_view::npos;
        if (blank == std::string_view::npos)
            return damaged;
        const auto same = Number(named->substr(0, blank));
        const std::string_view hex = named->substr(blank + 1);
        if (!same || *same > kMaxMarkedSame || hex.size() % 2 != 0 || hex.size() > 2 * kMaxMarkedNameBytes)
            return damaged;
        SavedGame::ScoreMark mark{{}, int(*same)};
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            std::uint32_t byte = 0;
            if (std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16).ptr != hex.data() + i + 2
                || HexOf(byte).substr(6) != hex.substr(i, 2))
                return damaged;
            mark.name += char(byte);
        }
        g.scoreMark = mark;
    }
    if (g.stage == SavedStage::Playing || g.stage == SavedStage::Checking) {
        const auto row = lines.number("row");
        const auto secret = lines.field("secret");
        if (!row || *row >= kMaxRows || !secret)
            return damaged;
        g.currentRow = int(*row);
        const auto secretColours = Colours(*secret);
        if (!secretColours)
            return damaged;
        g.secret = *secretColours;
        for (int r = 0; r <= g.currentRow; ++r) {
            const auto guess = lines.field("guess");
            const auto colours = guess ? Colours(*guess) : std::nullopt;
            if (!colours)
                return damaged;
            g.rows.push_back(*colours);
            if (r == g.currentRow)
                break;
            const auto feedback = lines.field("feedback");
            const auto pegs = feedback ? Pegs(*feedback) : std::nullopt;
            if (!pegs)
                return damaged;
            g.feedback.push_back(*pegs);
        }
    }
    if (lines.position() != body.size() || !IsPlayable(g))
        return damaged;
    return {g, SavedGameFault::None};
}

} // namespace tintrix
