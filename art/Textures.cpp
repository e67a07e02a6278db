// SPDX-License-Identifier: GPL-3.0-or-later
// The four styles an empty hole can wear: swirl, stone, ice and cocktail. A hole shows only
// the middle 25 x 25 pixels of its texture, so each design is centred on that window.
#include "Artwork.h"
#include "Canvas.h"
#include "Noise.h"

// Qt
#include <QLinearGradient>
#include <QPainterPath>

// Std
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tintrix::art {

namespace {

constexpr double kWindow = 25.0; // the part of a texture a hole shows

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

/** Shades the edges of the visible window as the walls of a shallow empty hole: shadow under
 *  the upper and left rims, a little light on the lower and right ones. */
void PaintEmptyHoleWalls(QPainter& p, QSizeF size)
{
    const QRectF window((size.width() - kWindow) / 2, (size.height() - kWindow) / 2, kWindow, kWindow);
    const double depth = 4.0;
    const auto edge = [&](QPointF from, QPointF to, const QColor& colour, double alpha, const QRectF& band) {
        QLinearGradient g(from, to);
        g.setColorAt(0, WithAlpha(colour, alpha));
        g.setColorAt(1, WithAlpha(colour, 0));
        p.fillRect(band, g);
    };
    edge(window.topLeft(), window.topLeft() + QPointF(0, depth), Qt::black, 0.38,
         QRectF(window.left(), window.top(), window.width(), depth));
    edge(window.topLeft(), window.topLeft() + QPointF(depth, 0), Qt::black, 0.30,
         QRectF(window.left(), window.top(), depth, window.height()));
    edge(window.bottomLeft(), window.bottomLeft() - QPointF(0, depth * 0.6), Qt::white, 0.22,
         QRectF(window.left(), window.bottom() - depth * 0.6, window.width(), depth * 0.6));
    edge(window.topRight(), window.topRight() - QPointF(depth * 0.6, 0), Qt::white, 0.16,
         QRectF(window.right() - depth * 0.6, window.top(), depth * 0.6, window.height()));
}

QImage Finish(QImage canvas, double scale)
{
    QPainter p;
    BeginPainting(p, canvas, scale);
    PaintEmptyHoleWalls(p, QSizeF(canvas.size()) / scale);
    return canvas;
}

} // namespace

QImage DrawSwirl(double scale)
{
    // Marbled candy: three spiral arms of cream and caramel, outlined in chocolate, their
    // edges wavered by noise so the twist looks poured rather than ruled.
    constexpr QSize size{40, 40};
    QImage canvas = NewCanvas(size, scale);
    const QColor cream(250, 236, 205);
    const QColor caramel(214, 140, 66);
    const QColor berry(150, 45, 80);
    const QColor chocolate(92, 48, 26);
    Shade(canvas, scale, [&](double x, double y) {
        const double u = x - size.width() / 2.0;
        const double v = y - size.height() / 2.0;
        const double r = std::hypot(u, v);
        const double angle = std::atan2(v, u);
        const double wobble = Fbm(x * 0.12, y * 0.12, 3, 77) - 0.5;
        const double phase = 3.0 * angle + 0.62 * r + 2.2 * wobble;
        const double s = std::sin(phase);
        QColor c = Mix(caramel, cream, SmoothStep(-0.35, 0.35, s));
        // A thin berry vein inside each caramel arm.
        const double vein = std::sin(2.0 * phase + 1.1);
        c = Mix(c, berry, 0.55 * (1 - SmoothStep(0.0, 0.35, std::abs(vein + 0.15))) * (s < 0 ? 1 : 0));
        // Chocolate lines where cream meets caramel.
        c = Mix(c, chocolate, 0.7 * (1 - SmoothStep(0.0, 0.22, std::abs(s))));
        // The centre of the spiral is a little brighter, like the top of a poured swirl.
        return Mix(c, Qt::white, 0.25 * std::exp(-r * r / 8.0));
    });
    return Finish(canvas, scale);
}

QImage DrawStone(double scale)
{
    // Granite: a mottled grey ground sprinkled with black mica, white quartz and pink
    // feldspar grains.
    constexpr QSize size{40, 40};
    QImage canvas = NewCanvas(size, scale);
    const QColor groundDark(122, 117, 113);
    const QColor groundLight(192, 186, 178);
    constexpr double cell = 2.3;
    Shade(canvas, scale, [&](double x, double y) {
        const double mottle = Fbm(x * 0.16, y * 0.16, 4, 4242);
        QColor c = Mix(groundDark, groundLight, SmoothStep(0.25, 0.75, mottle));
        const int cx = int(std::floor(x / cell));
        const int cy = int(std::floor(y / cell));
        double nearest = 1e9;
        int grainKind = -1;
        for (int j = cy - 1; j <= cy + 1; ++j) {
            for (int i = cx - 1; i <= cx + 1; ++i) {
                const double gx = (i + Hash01(i, j, 11)) * cell;
                const double gy = (j + Hash01(i, j, 12)) * cell;
                const double radius = 0.45 + 0.75 * Hash01(i, j, 13);
                const double d = std::hypot(x - gx, y - gy) / radius;
                if (d < 1.0 && d < nearest) {
                    nearest = d;
                    grainKind = int(Hash01(i, j, 14) * 100);
                }
            }
        }
        if (grainKind >= 0) {
            if (grainKind < 18)
                c = Mix(QColor(28, 26, 28), QColor(60, 58, 62), Hash01(cx, cy, 15));
            else if (grainKind < 34)
                c = QColor(232, 229, 222);
            else if (grainKind < 52)
                c = QColor(200, 148, 132);
        }
        return c;
    });
    return Finish(canvas, scale);
}

QImage DrawIce(double scale)
{
    // Ice: pale blue crystal facets, each catching the light at its own angle, split by
    // bright cracks with a deeper blue shadow, under a thin frost.
    constexpr QSize size{56, 56};
    QImage canvas = NewCanvas(size, scale);
    constexpr double cell = 8.0;
    const QColor deep(120, 182, 222);
    const QColor pale(226, 244, 255);
    Shade(canvas, scale, [&](double x, double y) {
        const int cx = int(std::floor(x / cell));
        const int cy = int(std::floor(y / cell));
        double d1 = 1e9, d2 = 1e9;
        int owner = 0;
        double ox = 0, oy = 0;
        for (int j = cy - 1; j <= cy + 1; ++j) {
            for (int i = cx - 1; i <= cx + 1; ++i) {
                const double sx = (i + 0.15 + 0.7 * Hash01(i, j, 21)) * cell;
                const double sy = (j + 0.15 + 0.7 * Hash01(i, j, 22)) * cell;
                const double d = std::hypot(x - sx, y - sy);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    owner = int(Hash(i, j, 23) & 0xffff);
                    ox = sx;
                    oy = sy;
                } else if (d < d2) {
                    d2 = d;
                }
            }
        }
        // Facet: a tint of its own plus a slope that brightens across it.
        const double tint = (owner % 1000) / 1000.0;
        const double slopeAngle = (owner / 1000 % 64) / 64.0 * 2 * std::numbers::pi;
        const double slope = ((x - ox) * std::cos(slopeAngle) + (y - oy) * std::sin(slopeAngle)) / cell;
        QColor c = Mix(deep, pale, 0.35 + 0.45 * tint + 0.35 * slope);
        // Cracks along the facet borders: white core, blue shadow just beside it.
        const double gap = d2 - d1;
        c = Mix(c, QColor(60, 120, 185), 0.6 * (1 - SmoothStep(0.2, 0.8, std::abs(gap - 0.7))));
        c = Mix(c, Qt::white, 0.95 * (1 - SmoothStep(0.1, 0.5, gap)));
        // Frost drifting over the surface.
        const double frost = Fbm(x * 0.2, y * 0.2, 4, 31);
        return Mix(c, Qt::white, 0.45 * SmoothStep(0.5, 0.85, frost));
    });

    // A sheen across the middle, as light off a smooth face of ice.
    QPainter p;
    BeginPainting(p, canvas, scale);
    QLinearGradient sheen(QPointF(16, 16), QPointF(40, 40));
    sheen.setColorAt(0.30, WithAlpha(Qt::white, 0.0));
    sheen.setColorAt(0.42, WithAlpha(Qt::white, 0.35));
    sheen.setColorAt(0.50, WithAlpha(Qt::white, 0.0));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), sheen);
    p.end();
    return Finish(canvas, scale);
}

QImage DrawCocktail(double scale)
{
    // A bright fruity drink: a sunset of pink, orange and yellow, full of coloured bubbles
    // and a few sugar sprinkles.
    constexpr QSize size{80, 80};
    QImage canvas = NewCanvas(size, scale);
    const QColor pink(255, 70, 150);
    const QColor orange(255, 150, 40);
    const QColor yellow(255, 230, 90);
    Shade(canvas, scale, [&](double x, double y) {
        const double warp = 9.0 * (Fbm(x * 0.06, y * 0.06, 3, 51) - 0.5);
        const double t = std::clamp((y + x * 0.35 + warp - 14) / 78.0, 0.0, 1.0);
        const double band = 0.5 + 0.5 * std::sin((x - y) * 0.35 + warp);
        QColor c = t < 0.5 ? Mix(pink, orange, t * 2) : Mix(orange, yellow, t * 2 - 1);
        return Mix(c, Qt::white, 0.12 * band);
    });

    QPainter p;
    BeginPainting(p, canvas, scale);
    p.setPen(Qt::NoPen);
    const QColor bubbleColours[] = {QColor(130, 240, 60), QColor(60, 210, 250), QColor(170, 90, 255),
                                    QColor(255, 255, 255), QColor(255, 60, 90), QColor(255, 245, 120)};
    const auto bubble = [&](QPointF at, double r, const QColor& colour) {
        QRadialGradient fill(at, r, at + QPointF(-r * 0.35, -r * 0.35));
        fill.setColorAt(0.0, WithAlpha(Mix(colour, Qt::white, 0.5), 0.95));
        fill.setColorAt(0.7, WithAlpha(colour, 0.85));
        fill.setColorAt(1.0, WithAlpha(colour.darker(160), 0.95));
        p.setBrush(fill);
        p.drawEllipse(at, r, r);
        p.setBrush(WithAlpha(Qt::white, 0.9));
        p.drawEllipse(at + QPointF(-r * 0.38, -r * 0.38), r * 0.28, r * 0.28);
    };

    Dice dice(2024);
    // Small sprinkles over the whole drink.
    for (int i = 0; i < 70; ++i) {
        const QPointF at(dice.range(0, 80), dice.range(0, 80));
        p.save();
        p.translate(at);
        p.rotate(dice.range(0, 180));
        p.setBrush(bubbleColours[int(dice.range(0, 6))]);
        p.drawRoundedRect(QRectF(-1.2, -0.4, 2.4, 0.8), 0.4, 0.4);
        p.restore();
    }
    // Bubbles across the whole picture, then a handful in the window every hole shows.
    for (int i = 0; i < 34; ++i)
        bubble(QPointF(dice.range(0, 80), dice.range(0, 80)), dice.range(1.5, 4.5), bubbleColours[i % 6]);
    const QPointF centreBubbles[] = {{33.5, 32.5}, {45.0, 35.0}, {38.0, 44.5}, {46.5, 46.5}, {31.5, 42.0}, {40.0, 37.5}};
    const double centreRadii[] = {3.6, 2.6, 3.0, 2.2, 1.8, 1.6};
    for (int i = 0; i < 6; ++i)
        bubble(centreBubbles[i], centreRadii[i], bubbleColours[(i + 1) % 6]);
    p.end();
    return Finish(canvas, scale);
}

} // namespace tintrix::art
