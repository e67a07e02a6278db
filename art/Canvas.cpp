// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include "Noise.h"

// Qt
#include <QRadialGradient>

// Std
#include <algorithm>
#include <cmath>

namespace tintrix::art {

QImage NewCanvas(QSize logical, double scale, QColor fill)
{
    QImage canvas((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(fill);
    return canvas;
}

void BeginPainting(QPainter& painter, QImage& canvas, double scale)
{
    painter.begin(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

void Shade(QImage& canvas, double scale, const Shader& shader, int samples)
{
    const double step = 1.0 / (scale * samples);
    for (int py = 0; py < canvas.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(py));
        for (int px = 0; px < canvas.width(); ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = double(px) / scale + (sx + 0.5) * step;
                    const double y = double(py) / scale + (sy + 0.5) * step;
                    const QColor c = shader(x, y);
                    // Premultiplied sums, so transparent samples do not darken the edge.
                    a += c.alphaF();
                    r += c.redF() * c.alphaF();
                    g += c.greenF() * c.alphaF();
                    b += c.blueF() * c.alphaF();
                }
            }
            const double n = samples * samples;
            line[px] = qRgba(int(std::lround(255 * r / n)), int(std::lround(255 * g / n)),
                             int(std::lround(255 * b / n)), int(std::lround(255 * a / n)));
        }
    }
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor WithAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return c;
}

double Luminance(const QColor& c)
{
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

QColor WoodAt(double x, double y, std::uint32_t seed)
{
    // Long grain: noise stretched along x, bent slightly by a second, coarser noise.
    const double warp = 3.0 * Fbm(x * 0.05, y * 0.05, 2, seed + 1);
    const double grain = Fbm(x * 0.04, (y + warp) * 0.55, 3, seed);
    const double rings = 0.5 + 0.5 * std::sin((y + warp * 2.0) * 0.9 + grain * 6.0);
    return Mix(kWoodDark, kWoodLight, 0.25 + 0.5 * grain + 0.25 * rings * grain);
}

void PaintBoardHole(QImage& canvas, double scale, QPointF centre, double radius)
{
    Shade(canvas, scale, [](double x, double y) { return WoodAt(x, y, 1234); }, 2);

    QPainter p;
    BeginPainting(p, canvas, scale);
    p.setPen(Qt::NoPen);

    // A faint light lip on the lower right of the drilled edge, as if lit from the top left.
    QRadialGradient lip(centre + QPointF(0.9, 0.9), radius + 1.6);
    lip.setColorAt(0.80, WithAlpha(QColor(255, 220, 170), 0.0));
    lip.setColorAt(0.90, WithAlpha(QColor(255, 220, 170), 0.28));
    lip.setColorAt(1.00, WithAlpha(QColor(255, 220, 170), 0.0));
    p.setBrush(lip);
    p.drawEllipse(centre + QPointF(0.9, 0.9), radius + 1.6, radius + 1.6);

    // The floor of the hole: darker towards the upper left wall, which shades it.
    QRadialGradient floor(centre + QPointF(radius * 0.25, radius * 0.3), radius * 1.25);
    floor.setColorAt(0.0, kHoleFloor.lighter(150));
    floor.setColorAt(0.7, kHoleFloor);
    floor.setColorAt(1.0, kHoleFloor.darker(180));
    p.setBrush(floor);
    p.drawEllipse(centre, radius, radius);

    // Wall shadow along the upper left rim.
    QRadialGradient wall(centre + QPointF(radius * 0.35, radius * 0.35), radius * 1.05);
    wall.setColorAt(0.78, WithAlpha(Qt::black, 0.0));
    wall.setColorAt(1.00, WithAlpha(Qt::black, 0.55));
    p.setBrush(wall);
    p.drawEllipse(centre, radius, radius);
}

void PaintPeg(QPainter& p, QPointF centre, double radius, const QColor& base)
{
    p.save();
    p.setPen(Qt::NoPen);

    // Soft shadow cast down and to the right onto the floor of the hole.
    const QPointF shadowCentre = centre + QPointF(radius * 0.10, radius * 0.16);
    QRadialGradient shadow(shadowCentre, radius * 1.15);
    shadow.setColorAt(0.70, WithAlpha(Qt::black, 0.65));
    shadow.setColorAt(1.00, WithAlpha(Qt::black, 0.0));
    p.setBrush(shadow);
    p.drawEllipse(shadowCentre, radius * 1.15, radius * 1.15);

    // Body: lit from the upper left, falling off to a deep edge.
    QRadialGradient body(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.40));
    body.setColorAt(0.00, Mix(base, Qt::white, 0.35));
    body.setColorAt(0.45, base);
    body.setColorAt(0.85, base.darker(150));
    body.setColorAt(1.00, base.darker(230));
    p.setBrush(body);
    p.drawEllipse(centre, radius, radius);

    // Light bounced back from the board along the lower right edge.
    // Mixed towards white so that even a black peg keeps a visible rim against the hole.
    const QColor bounced = Mix(base, QColor(255, 235, 210), 0.4);
    QRadialGradient bounce(centre + QPointF(radius * 0.25, radius * 0.25), radius);
    bounce.setColorAt(0.75, WithAlpha(bounced, 0.0));
    bounce.setColorAt(0.93, WithAlpha(bounced, 0.5));
    bounce.setColorAt(1.00, WithAlpha(bounced, 0.0));
    p.setBrush(bounce);
    p.drawEllipse(centre, radius, radius);

    // Specular highlight: an oval of soft white near the top left.
    const QPointF glint = centre + QPointF(-radius * 0.36, -radius * 0.42);
    QRadialGradient spec(glint, radius * 0.45);
    spec.setColorAt(0.0, WithAlpha(Qt::white, 0.95));
    spec.setColorAt(0.5, WithAlpha(Qt::white, 0.45));
    spec.setColorAt(1.0, WithAlpha(Qt::white, 0.0));
    p.setBrush(spec);
    p.translate(glint);
    p.rotate(-40);
    p.drawEllipse(QPointF(0, 0), radius * 0.48, radius * 0.32);
    p.restore();
}

} // namespace tintrix::art
