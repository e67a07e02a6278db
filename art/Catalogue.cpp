// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

namespace tintrix::art {

namespace {
// Sizes of the splash frames and the about box picture, in logical pixels.
constexpr int kLogoFrameSize = 96;
constexpr int kAboutPicSize = 64;
// Sizes of the application icon; the desktop picks the nearest.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
} // namespace

std::vector<Picture> Catalogue()
{
    std::vector<Picture> pictures;
    const char* pegNames[] = {"imgPink", "imgBlue", "imgPurple", "imgGreen", "imgOrange", "imgLightBlue", "imgDarkBlue", "imgRed"};
    for (int colour = 1; colour <= 8; ++colour)
        pictures.push_back({pegNames[colour - 1], {40, 40}, true, [colour](double s) { return DrawPeg(colour, s); }});

    // clang-format off
    pictures.push_back({"imgBlack",    {40, 40}, true, [](double s) { return DrawFeedbackPeg(true, s); }});
    pictures.push_back({"imgGrey",     {40, 40}, true, [](double s) { return DrawFeedbackPeg(false, s); }});
    pictures.push_back({"imgX",        {16, 16}, true, DrawXMark});
    pictures.push_back({"imgUndo",     {16, 15}, true, DrawUndo});
    pictures.push_back({"imgRedo",     {16, 15}, true, DrawRedo});
    pictures.push_back({"imgCheck",    {32, 32}, true, DrawCheckButton});
    pictures.push_back({"SwirlPic",    {40, 40}, true, DrawSwirl});
    pictures.push_back({"StonePic",    {40, 40}, true, DrawStone});
    pictures.push_back({"IcePic",      {56, 56}, true, DrawIce});
    pictures.push_back({"CocktailPic", {80, 80}, true, DrawCocktail});
    // clang-format on

    for (int frame = 1; frame <= 3; ++frame) {
        pictures.push_back({QStringLiteral("imglogo%1").arg(frame), {kLogoFrameSize, kLogoFrameSize}, true,
                            [frame](double s) { return DrawLogoFrame(frame, kLogoFrameSize, s); }});
    }
    pictures.push_back({"AboutPic", {kAboutPicSize, kAboutPicSize}, true, [](double s) { return DrawLogo(kAboutPicSize, s); }});
    for (int size : kIconSizes) {
        pictures.push_back({QStringLiteral("tintrix-%1").arg(size), {size, size}, false,
                            [size](double s) { return DrawLogo(size, s); }});
    }
    return pictures;
}

} // namespace tintrix::art
