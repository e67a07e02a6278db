// SPDX-License-Identifier: GPL-3.0-or-later
// The Tintrix logo: a round wooden board with a golden T in the middle and a ring of six
// coloured pegs. The splash animates it by lighting the pegs in turn, as chasing lights.
#include "Artwork.h"
#include "Canvas.h"

// Qt
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

// Std
#include <array>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

// Round the ring clockwise from the top: a rainbow of the game's own peg colours.
const std::array<QColor, 6> kRingColours{QColor(225, 30, 35),  QColor(255, 140, 20), QColor(40, 175, 70),
                                         QColor(95, 215, 250), QColor(35, 110, 235), QColor(140, 60, 200)};

/** Paints the logo filling a square of `size` logical pixels. `litGroup` 0, 1 or 2 lights
 *  every third peg starting there; -1 lights none. */
void PaintLogo(QPainter& p, double size, int litGroup)
{
    const bool tiny = size <= 24;   // icons this small keep only the big shapes
    const QPointF centre(size / 2, size / 2);
    const double radius = size / 2 * (tiny ? 0.96 : 0.90);

    p.save();
    p.setPen(Qt::NoPen);

    // Shadow under the board.
    if (!tiny) {
        const QPointF shadowCentre = centre + QPointF(0, radius * 0.05);
        QRadialGradient shadow(shadowCentre, radius * 1.1);
        shadow.setColorAt(0.85, WithAlpha(Qt::black, 0.45));
        shadow.setColorAt(1.0, WithAlpha(Qt::black, 0.0));
        p.setBrush(shadow);
        p.drawEllipse(shadowCentre, radius * 1.1, radius * 1.1);
    }

    // Gold rim, then the wooden face inside it.
    QLinearGradient gold(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    gold.setColorAt(0.0, QColor(255, 226, 140));
    gold.setColorAt(0.5, QColor(214, 160, 50));
    gold.setColorAt(1.0, QColor(140, 92, 20));
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);
    const double face = radius * (tiny ? 0.88 : 0.91);
    QRadialGradient wood(centre, face, centre - QPointF(face * 0.3, face * 0.35));
    wood.setColorAt(0.0, QColor(140, 92, 54));
    wood.setColorAt(0.7, kWoodDark);
    wood.setColorAt(1.0, kWoodDark.darker(160));
    p.setBrush(wood);
    p.drawEllipse(centre, face, face);

    // The ring of holes and pegs.
    const double ring = face * 0.66;
    const double hole = face * (tiny ? 0.27 : 0.22);
    const double peg = face * (tiny ? 0.25 : 0.18);
    for (int i = 0; i < int(kRingColours.size()); ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / kRingColours.size();
        const QPointF at = centre + QPointF(ring * std::cos(angle), ring * std::sin(angle));
        const bool lit = litGroup >= 0 && i % 3 == litGroup;
        if (!tiny) {
            p.setBrush(kHoleFloor);
            p.drawEllipse(at, hole, hole);
        }
        if (lit) {
            QRadialGradient glow(at, peg * 2.1);
            glow.setColorAt(0.3, WithAlpha(QColor(255, 250, 200), 0.95));
            glow.setColorAt(1.0, WithAlpha(QColor(255, 230, 120), 0.0));
            p.setBrush(glow);
            p.drawEllipse(at, peg * 2.1, peg * 2.1);
            PaintPeg(p, at - QPointF(0, peg * 0.12), peg * 1.15, kRingColours[std::size_t(i)].lighter(118));
        } else {
            // While the animation runs the unlit pegs rest a little darker.
            const QColor colour = litGroup >= 0 ? kRingColours[std::size_t(i)].darker(125) : kRingColours[std::size_t(i)];
            PaintPeg(p, at, peg, colour);
        }
    }

    // The golden T in the middle.
    const double barWidth = face * (tiny ? 0.66 : 0.62);
    const double barHeight = face * (tiny ? 0.24 : 0.17);
    const double stemWidth = face * (tiny ? 0.26 : 0.20);
    const double stemHeight = face * (tiny ? 0.52 : 0.50);
    const double top = centre.y() - (barHeight + stemHeight) / 2;
    QPainterPath letter;
    letter.addRoundedRect(QRectF(centre.x() - barWidth / 2, top, barWidth, barHeight), barHeight * 0.25, barHeight * 0.25);
    letter.addRoundedRect(QRectF(centre.x() - stemWidth / 2, top + barHeight * 0.5, stemWidth, stemHeight + barHeight * 0.5),
                          stemWidth * 0.25, stemWidth * 0.25);
    letter.setFillRule(Qt::WindingFill);
    letter = letter.simplified();
    p.setBrush(WithAlpha(Qt::black, 0.5));
    p.drawPath(letter.translated(size * 0.012 + 0.3, size * 0.018 + 0.4));
    QLinearGradient letterGold(0, top, 0, top + barHeight + stemHeight);
    letterGold.setColorAt(0.0, QColor(255, 240, 170));
    letterGold.setColorAt(0.45, QColor(240, 190, 60));
    letterGold.setColorAt(1.0, QColor(180, 120, 20));
    p.setBrush(letterGold);
    if (!tiny)
        p.setPen(QPen(QColor(90, 55, 10), size * 0.008 + 0.2));
    p.drawPath(letter);
    p.restore();
}

QImage LogoCanvas(int size, int scale, int litGroup)
{
    QImage canvas = NewCanvas({size, size}, scale);
    QPainter p;
    BeginPainting(p, canvas, scale);
    PaintLogo(p, size, litGroup);
    return canvas;
}

} // namespace

QImage DrawLogoFrame(int frame, int size, int scale)
{
    return LogoCanvas(size, scale, frame - 1);
}

QImage DrawLogo(int size, int scale)
{
    return LogoCanvas(size, scale, -1);
}

} // namespace artgen
