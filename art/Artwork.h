// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the game shows, as a table of names, sizes and drawing functions.
#pragma once

// Qt
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Std
#include <functional>
#include <vector>

namespace tintrix::art {

/** One picture file (or pair of files) the generator writes. */
struct Picture {
    QString name;                       ///< file name without ".png", e.g. "imgRed"
    QSize size;                         ///< size in logical pixels
    bool doubled;                       ///< also written as name@2x.png, drawn at twice the pixels
    std::function<QImage(double scale)> draw; ///< draws at `scale` device pixels per logical pixel (any positive factor)
};

/** All pictures, in the order they are written. */
[[nodiscard]] std::vector<Picture> Catalogue();

// Peg colours 1..8 (pink, blue, purple, green, orange, light blue, dark blue, red).
[[nodiscard]] QImage DrawPeg(int colour, double scale);
[[nodiscard]] QImage DrawFeedbackPeg(bool black, double scale);
[[nodiscard]] QImage DrawXMark(double scale);

[[nodiscard]] QImage DrawUndo(double scale);
[[nodiscard]] QImage DrawRedo(double scale);
/** The check button beside the current row: a round brass button with a tick. */
[[nodiscard]] QImage DrawCheckButton(double scale);

[[nodiscard]] QImage DrawSwirl(double scale);
[[nodiscard]] QImage DrawStone(double scale);
[[nodiscard]] QImage DrawIce(double scale);
[[nodiscard]] QImage DrawCocktail(double scale);

/** Splash animation frame 1..3, of `size` logical pixels. */
[[nodiscard]] QImage DrawLogoFrame(int frame, int size, double scale);
/** The still logo, for the about box and the application icon. */
[[nodiscard]] QImage DrawLogo(int size, double scale);
/** The still logo as a scalable SVG document of `size` pixels, for the desktop's icon theme. */
[[nodiscard]] QByteArray LogoSvg(int size);

} // namespace tintrix::art
