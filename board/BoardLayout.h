// SPDX-License-Identifier: GPL-3.0-or-later
// Where the containers of the board window stand for each catalogue row, in twips.
#pragma once

#include "LevelCatalogue.h"

#include <array>

namespace tintrix {

/** The layout values of one catalogue row. Field widths come from the hole width H:
 *  FieldBox1 = holes * H + FieldBox1Margin, FieldBox2 = holes * H + FieldBox2Margin.
 *  FieldBox2 stands FieldBox2Offset right of FieldBox1's left edge, or directly against
 *  FieldBox1's right edge when FieldBox2Offset is 0. Window heights are added to the status
 *  bar's height S. */
struct LevelLayout {
    int ColorBoxWidth;
    int ColorBoxLeft;
    int FieldBox1Margin;
    int FieldBox2Margin;
    int FieldBox2Offset;
    int WindowWidth;
    int FieldHeight;
    int LowerBarTop;
    int WindowHeightShown;
    int WindowHeightHidden;
};

// clang-format off
inline constexpr std::array<LevelLayout, kCatalogueRows> kLevelLayouts{{
    //  bar W  bar L  F1+   F2+  F2 off  win W  field H  lower  shown  hidden
    {   2285,   720,  200,  80,  1700,   4680,  3260,    3850,  5050,  4450},  //  1
    {   2640,   510,  200,  80,  1700,   4680,  3260,    3850,  5050,  4450},  //  2
    {   2995,   310,  200,  80,  1700,   4680,  3260,    3850,  5050,  4450},  //  3
    {   2285,   720,  200,  80,  1700,   4680,  3980,    4550,  5750,  5150},  //  4
    {   2640,   510,  200,  80,  1700,   4680,  3980,    4550,  5750,  5150},  //  5
    {   2995,   310,  200,  80,  1700,   4680,  3980,    4550,  5750,  5150},  //  6
    {   2285,  1020,  150,  40,     0,   5280,  3260,    3850,  5050,  4450},  //  7
    {   2640,   910,  150,  40,     0,   5280,  3260,    3850,  5050,  4450},  //  8
    {   2995,   690,  150,  40,     0,   5280,  3260,    3850,  5050,  4450},  //  9
    {   2285,  1020,  150,  40,     0,   5280,  4340,    4900,  6100,  5500},  // 10
    {   2640,   910,  150,  40,     0,   5280,  4340,    4900,  6100,  5500},  // 11
    {   2995,   690,  150,  40,     0,   5280,  4340,    4900,  6100,  5500},  // 12
    {   2285,  1420,  150,  40,     0,   5980,  3260,    3850,  5050,  4450},  // 13
    {   2640,  1220,  150,  40,     0,   5980,  3260,    3850,  5050,  4450},  // 14
    {   2995,  1050,  150,  40,     0,   5980,  3260,    3850,  5050,  4450},  // 15
    {   2285,  1420,  150,  40,     0,   5980,  4700,    5250,  6450,  5850},  // 16
    {   2640,  1220,  150,  40,     0,   5980,  4700,    5250,  6450,  5850},  // 17
    {   2995,  1050,  150,  40,     0,   5980,  4700,    5250,  6450,  5850},  // 18
}};
// clang-format on

// The table follows the board's rules: bar width from the colours, heights from the rows,
// widths from the holes, and the shown colour bar adds 600 twips.
static_assert([] {
    for (std::size_t i = 0; i < kLevelLayouts.size(); ++i) {
        const LevelLayout& l = kLevelLayouts[i];
        const LevelSpec& s = kLevelCatalogue[i];
        const int rows = s.RowLimit + 1;
        if (l.ColorBoxWidth != 355 * s.ColorCount + 155)
            return false;
        if (l.FieldHeight != 360 * rows + 380 || l.LowerBarTop != 350 * rows + 1050)
            return false;
        if (l.WindowHeightHidden != 350 * rows + 1650 || l.WindowHeightShown != l.WindowHeightHidden + 600)
            return false;
        const int expectedWidth = s.Holes == 4 ? 4680 : s.Holes == 5 ? 5280 : 5980;
        if (l.WindowWidth != expectedWidth || (s.Holes == 4) != (l.FieldBox2Offset != 0))
            return false;
    }
    return true;
}());

/** Design placement of a container: left, top, width, height in twips. */
struct TwipRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

inline constexpr TwipRect kFieldBox1Design{600, 360, 2535, 4935};
inline constexpr TwipRect kFieldBox2Design{3120, 360, 2415, 4935};
inline constexpr TwipRect kColorBox1Design{720, 120, 3015, 375};
inline constexpr TwipRect kDoBox1Design{4080, 120, 855, 375};
inline constexpr TwipRect kColorBox2Design{720, 5280, 2295, 495};
inline constexpr TwipRect kDoBox2Design{3120, 5280, 855, 495};

inline constexpr int kHoleSize = 375;     ///< every hole, colour and button image is this square
inline constexpr int kHolePitch = 360;    ///< holes and rows stand this far apart
inline constexpr int kColorBarGrowth = 600; ///< the shown lower colour bar makes the window this much taller

/** The window system's share of the window in twips: frame, title and menu bar around the
 *  client area. Window sizes in the table include it; the board area is what remains. */
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 690;

} // namespace tintrix
