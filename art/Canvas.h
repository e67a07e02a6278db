// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the pictures: canvases at any pixel ratio, per-pixel shading,
// colour mixing, and the board's wood and holes that pegs sit in.
#pragma once

// Qt
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

// Std
#include <functional>

namespace tintrix::art {

/** An image of `logical` size at `scale` device pixels per logical pixel, filled with `fill`. */
[[nodiscard]] QImage NewCanvas(QSize logical, double scale, QColor fill = Qt::transparent);

/** Starts painting on a canvas in logical coordinates, anti-aliased. */
void BeginPainting(QPainter& painter, QImage& canvas, double scale);

/** Colour of a point given in logical coordinates. */
using Shader = std::function<QColor(double x, double y)>;

/** Fills every device pixel with the average of samples x samples shader calls spread
 *  over that pixel, so textures stay smooth and gain detail at the larger scale. */
void Shade(QImage& canvas, double scale, const Shader& shader, int samples = 3);

/** a when t is 0, b when t is 1, alpha included. */
[[nodiscard]] QColor Mix(const QColor& a, const QColor& b, double t);

/** The colour with its alpha replaced. */
[[nodiscard]] QColor WithAlpha(QColor c, double alpha);

/** Relative luminance, 0 for black to 1 for white. */
[[nodiscard]] double Luminance(const QColor& c);

// The board: a dark, warm wood that every peg hole is drilled into.
inline const QColor kWoodLight{112, 72, 42};
inline const QColor kWoodDark{74, 44, 24};
inline const QColor kHoleFloor{34, 20, 11};

/** Colour of the board's wood grain at a logical point (seeded, so repeatable). */
[[nodiscard]] QColor WoodAt(double x, double y, std::uint32_t seed);

/** Paints the whole canvas with wood, then a round recess of `radius` around `centre`. */
void PaintBoardHole(QImage& canvas, double scale, QPointF centre, double radius);

/** A glossy round peg: soft shadow on the hole floor, shaded body, specular highlight. */
void PaintPeg(QPainter& painter, QPointF centre, double radius, const QColor& base);

} // namespace tintrix::art
