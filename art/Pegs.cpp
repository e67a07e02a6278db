// SPDX-License-Identifier: GPL-3.0-or-later
// The eight colour pegs, the two feedback pegs and the X mark.
#include "Artwork.h"
#include "Canvas.h"

// Qt
#include <QPainterPath>

// Std
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace tintrix::art {

namespace {

constexpr QSize kPegPicture{40, 40};
const QPointF kHoleCentre{20.0, 20.0};
constexpr double kHoleRadius = 11.6;   // the visible hole is 25 pixels square
constexpr double kPegRadius = 10.0;
constexpr double kFeedbackRadius = 7.6;

enum class Mark { Dot, Bar, Cross, Triangle, Square, Ring, Moon, Star };

struct PegLook {
    QColor colour;
    Mark mark; // lets players who confuse colours tell the pegs apart by shape
};

// Indexed by colour number - 1. Colours easily confused (red, green and orange; blue,
// purple and dark blue; pink and light blue) carry marks of unlike outline.
// clang-format off
const std::array<PegLook, 8> kPegLooks{{
    {QColor(255, 105, 180), Mark::Dot},      // pink
    {QColor( 35, 110, 235), Mark::Bar},      // blue
    {QColor(140,  60, 200), Mark::Cross},    // purple
    {QColor( 40, 175,  70), Mark::Triangle}, // green
    {QColor(255, 140,  20), Mark::Square},   // orange
    {QColor( 95, 215, 250), Mark::Ring},     // light blue
    {QColor( 25,  35, 140), Mark::Moon},     // dark blue
    {QColor(225,  30,  35), Mark::Star},     // red
}};
// clang-format on

/** The outline of a mark centred on the origin, about 2 * size across. */
QPainterPath MarkPath(Mark mark, double size)
{
    QPainterPath path;
    const double s = size;
    switch (mark) {
    case Mark::Dot:
        path.addEllipse(QPointF(0, 0), s * 0.62, s * 0.62);
        break;
    case Mark::Bar:
        path.addRoundedRect(QRectF(-s, -s * 0.34, 2 * s, s * 0.68), s * 0.2, s * 0.2);
        break;
    case Mark::Cross:
        path.addRect(QRectF(-s, -s * 0.34, 2 * s, s * 0.68));
        path.addRect(QRectF(-s * 0.34, -s, s * 0.68, 2 * s));
        path.setFillRule(Qt::WindingFill); // the overlap is part of the cross, not a hole
        path = path.simplified();
        break;
    case Mark::Triangle:
        path.moveTo(0, -s * 1.0);
        path.lineTo(s * 0.98, s * 0.75);
        path.lineTo(-s * 0.98, s * 0.75);
        path.closeSubpath();
        break;
    case Mark::Square:
        path.addRect(QRectF(-s * 0.72, -s * 0.72, s * 1.44, s * 1.44));
        break;
    case Mark::Ring:
        path.addEllipse(QPointF(0, 0), s * 0.92, s * 0.92);
        path.addEllipse(QPointF(0, 0), s * 0.48, s * 0.48);
        path.setFillRule(Qt::OddEvenFill);
        break;
    case Mark::Moon: {
        // A crescent opening to the right: a disc with a smaller one bitten out of it.
        QPainterPath bite;
        bite.addEllipse(QPointF(s * 0.48, -s * 0.12), s * 0.78, s * 0.78);
        path.addEllipse(QPointF(0, 0), s, s);
        path = path.subtracted(bite);
        break;
    }
    case Mark::Star: {
        for (int i = 0; i < 10; ++i) {
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = (i % 2 == 0) ? s * 1.1 : s * 0.48;
            const QPointF point(r * std::cos(angle), r * std::sin(angle));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        break;
    }
    }
    return path;
}

/** Embosses the mark: light edge above left, dark edge below right, face in `face`. */
void PaintMark(QPainter& p, QPointF centre, Mark mark, const QColor& peg)
{
    // Light pegs get a dark mark, dark pegs a light one, so the shape reads on every colour.
    const bool lightPeg = Luminance(peg) > 0.45;
    const QColor face = lightPeg ? peg.darker(250) : Mix(peg, Qt::white, 0.8);
    const QPainterPath path = MarkPath(mark, 4.1);

    p.save();
    p.setPen(Qt::NoPen);
    p.translate(centre);
    p.setBrush(WithAlpha(lightPeg ? Qt::white : Qt::black, 0.45));
    p.drawPath(path.translated(0.55, 0.55));
    p.setBrush(WithAlpha(lightPeg ? Qt::black : Qt::white, 0.35));
    p.drawPath(path.translated(-0.4, -0.4));
    p.setBrush(face);
    p.drawPath(path);
    p.restore();
}

} // namespace

QImage DrawPeg(int colour, double scale)
{
    assert(colour >= 1 && colour <= int(kPegLooks.size()));
    const PegLook& look = kPegLooks[std::size_t(colour - 1)];
    QImage canvas = NewCanvas(kPegPicture, scale);
    PaintBoardHole(canvas, scale, kHoleCentre, kHoleRadius);
    QPainter p;
    BeginPainting(p, canvas, scale);
    PaintPeg(p, kHoleCentre, kPegRadius, look.colour);
    PaintMark(p, kHoleCentre + QPointF(0.4, 0.5), look.mark, look.colour);
    return canvas;
}

QImage DrawFeedbackPeg(bool black, double scale)
{
    QImage canvas = NewCanvas(kPegPicture, scale);
    PaintBoardHole(canvas, scale, kHoleCentre, kHoleRadius);
    QPainter p;
    BeginPainting(p, canvas, scale);
    // Black is a deep blue-black so its shading still shows; grey is nearly white, far from
    // every colour peg.
    PaintPeg(p, kHoleCentre, kFeedbackRadius, black ? QColor(38, 38, 48) : QColor(214, 216, 222));
    return canvas;
}

QImage DrawXMark(double scale)
{
    QImage canvas = NewCanvas({16, 16}, scale);
    Shade(canvas, scale, [](double x, double y) { return WoodAt(x + 11, y + 5, 1234); }, 2);
    QPainter p;
    BeginPainting(p, canvas, scale);

    QPainterPath cross;
    cross.moveTo(3.5, 3.5);
    cross.lineTo(12.5, 12.5);
    cross.moveTo(12.5, 3.5);
    cross.lineTo(3.5, 12.5);

    // Carved look: dark groove shadow, then the red stroke, then a thin highlight.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Qt::black, 0.6), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross.translated(0.5, 0.6));
    p.setPen(QPen(QColor(200, 40, 40), 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
    p.setPen(QPen(WithAlpha(QColor(255, 170, 160), 0.7), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross.translated(-0.45, -0.45));
    return canvas;
}

} // namespace tintrix::art
