// SPDX-License-Identifier: GPL-3.0-or-later
// The eighteen level configurations and how a tournament walks through them.
#pragma once

#include "Translatable.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace tintrix {

/** One row of the level catalogue. */
struct LevelSpec {
    int Level;                         ///< catalogue row 1..18
    std::string_view Command;          ///< name of the level command in the hidden Level menu
    int Holes;                         ///< holes per row: 4, 5 or 6
    int ColorCount;                    ///< colours in play: 6, 7 or 8
    bool DuplicatesAllowed;            ///< whether the secret may repeat a colour
    int RowLimit;                      ///< index of the last row: the level has RowLimit + 1 rows
    std::string_view LevelDescription; ///< the banner's detail line, translated in the context "Board"
    std::string_view MenuCaption;      ///< the level command's caption, spelt as the game always had it (context "Menu")

    [[nodiscard]] constexpr int LastHoleIndex() const { return Holes - 1; }
};

inline constexpr int kCatalogueRows = 18;
inline constexpr int kTournamentLevels = 36;
inline constexpr int kMaxHoles = 6;
inline constexpr int kMaxRows = 12;
inline constexpr int kMaxColors = 8;

// clang-format off
inline constexpr std::array<LevelSpec, kCatalogueRows> kLevelCatalogue{{
    { 1, "Level1",  4, 6, false,  7, QT_TRANSLATE_NOOP("Board", "4 SPACES, 6 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 1  -  4 spaces  6 colors  no dupliactes")},
    { 2, "Level2",  4, 7, false,  7, QT_TRANSLATE_NOOP("Board", "4 SPACES, 7 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 2  -  4 spaces  7 colors  no duplicates")},
    { 3, "Level3",  4, 8, false,  7, QT_TRANSLATE_NOOP("Board", "4 SPACES, 8 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 3  -  4 spaces  8 colors  no duplicates")},
    { 4, "Level4",  4, 6, true,   9, QT_TRANSLATE_NOOP("Board", "4 SPACES, 6 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 4  -  4 spaces  6 colors  duplicates")},
    { 5, "Level5",  4, 7, true,   9, QT_TRANSLATE_NOOP("Board", "4 SPACES, 7 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 5  -  4 spaces  7 colors  duplicates")},
    { 6, "Level6",  4, 8, true,   9, QT_TRANSLATE_NOOP("Board", "4 SPACES, 8 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 6  -  4 spaces  8 colors  duplicates")},
    { 7, "Level7",  5, 6, false,  7, QT_TRANSLATE_NOOP("Board", "5 SPACES, 6 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 7  -  5 spaces  6 colors  no duplicates")},
    { 8, "Level8",  5, 7, false,  7, QT_TRANSLATE_NOOP("Board", "5 SPACES, 7 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 8  -  5 spaces  7 colors  no duplicates")},
    { 9, "Level9",  5, 8, false,  7, QT_TRANSLATE_NOOP("Board", "5 SPACES, 8 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 9  -  5 spaces  8 colors  no duplicates")},
    {10, "level10", 5, 6, true,  10, QT_TRANSLATE_NOOP("Board", "5 SPACES, 6 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 10 - 5 spaces  6 colors  duplicates")},
    {11, "level11", 5, 7, true,  10, QT_TRANSLATE_NOOP("Board", "5 SPACES, 7 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 11 - 5 spaces  7 colors  duplicates")},
    {12, "level12", 5, 8, true,  10, QT_TRANSLATE_NOOP("Board", "5 SPACES, 8 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 12 - 5 spaces  8 colors  duplicates")},
    {13, "Level13", 6, 6, false,  7, QT_TRANSLATE_NOOP("Board", "6 SPACES, 6 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 13 - 6 spaces  6 colors  no duplicates")},
    {14, "Level14", 6, 7, false,  7, QT_TRANSLATE_NOOP("Board", "6 SPACES, 7 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 14 - 6 spaces  7 colors  no duplicates")},
    {15, "Level15", 6, 8, false,  7, QT_TRANSLATE_NOOP("Board", "6 SPACES, 8 COLORS, NO DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 15 - 6 spaces  8 colors  no duplicates")},
    {16, "Level16", 6, 6, true,  11, QT_TRANSLATE_NOOP("Board", "6 SPACES, 6 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 16 - 6 spaces  6 colors  duplicates")},
    {17, "Level17", 6, 7, true,  11, QT_TRANSLATE_NOOP("Board", "6 SPACES, 7 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 17 - 6 spaces  7 colors  duplaictes")},
    {18, "Level18", 6, 8, true,  11, QT_TRANSLATE_NOOP("Board", "6 SPACES, 8 COLORS, DUPLICATES"), QT_TRANSLATE_NOOP("Menu", "Level 18 - 6 spaces  8 colors  duplicates")},
}};
// clang-format on

static_assert(std::ranges::all_of(kLevelCatalogue, [](const LevelSpec& l) {
    // Without duplicates the secret needs a distinct colour per hole.
    return l.Holes >= 4 && l.Holes <= kMaxHoles && l.ColorCount >= l.Holes && l.ColorCount <= kMaxColors
        && l.RowLimit >= 7 && l.RowLimit < kMaxRows;
}));
static_assert([] {
    for (int i = 0; i < kCatalogueRows; ++i)
        if (kLevelCatalogue[std::size_t(i)].Level != i + 1)
            return false;
    return true;
}());

/** The catalogue row 1..18, or nullptr for any other number. */
[[nodiscard]] constexpr const LevelSpec* FetchLevel(int row)
{
    if (row < 1 || row > kCatalogueRows)
        return nullptr;
    return &kLevelCatalogue[std::size_t(row - 1)];
}

/** The catalogue row that tournament level 1..36 plays: ((level - 1) mod 18) + 1. */
[[nodiscard]] constexpr int CatalogueRowForLevel(int level) { return ((level - 1) % kCatalogueRows) + 1; }

/** The catalogue row to open after tournament level currentLevel (0 when a tournament starts),
 *  or nothing once level 36 has been reached or for a level outside 0..35. */
[[nodiscard]] constexpr std::optional<int> NextLevelRow(int currentLevel)
{
    if (currentLevel < 0 || currentLevel >= kTournamentLevels)
        return std::nullopt;
    return (currentLevel % kCatalogueRows) + 1;
}

} // namespace tintrix
