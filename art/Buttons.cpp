// SPDX-License-Identifier: GPL-3.0-or-later
// The faces of the undo button (clears the row) and the redo button (copies the last row).
#include "Artwork.h"
#include "Canvas.h"

// Qt
#include <QLinearGradient>
#include <QRadialGradient>
#include <QPainterPath>

namespace tintrix::art {

namespace {
constexpr QSize kButtonFace{16, 15};
const QColor kInk(45, 32, 38);
} // namespace

QImage DrawUndo(double scale)
{
    // An eraser rubbing out a row: the row is a line of faint dots left of the eraser.
    QImage canvas = NewCanvas(kButtonFace, scale);
    QPainter p;
    BeginPainting(p, canvas, scale);

    // The row being rubbed out, fading where the eraser has passed.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(WithAlpha(QColor(80, 80, 95), 0.75 - 0.25 * i));
        p.drawEllipse(QPointF(1.9 + 2.9 * i, 13.2), 1.2, 1.2);
    }

    p.translate(9.2, 6.6);
    p.rotate(-32);
    const QRectF body(-7.0, -3.3, 14.0, 6.6);
    QPainterPath outline;
    outline.addRoundedRect(body, 1.4, 1.4);

    // Rubber end (bottom left after the turn) and paper sleeve.
    p.setClipPath(outline);
    QLinearGradient rubber(0, body.top(), 0, body.bottom());
    rubber.setColorAt(0, QColor(255, 150, 165));
    rubber.setColorAt(1, QColor(215, 70, 95));
    p.fillRect(QRectF(body.left(), body.top(), 6.0, body.height()), rubber);
    QLinearGradient sleeve(0, body.top(), 0, body.bottom());
    sleeve.setColorAt(0, QColor(120, 170, 255));
    sleeve.setColorAt(1, QColor(35, 85, 190));
    p.fillRect(QRectF(body.left() + 6.0, body.top(), body.width() - 6.0, body.height()), sleeve);
    p.fillRect(QRectF(body.left(), body.top(), body.width(), 1.4), WithAlpha(Qt::white, 0.35));
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 0.9));
    p.drawPath(outline);
    p.drawLine(QPointF(body.left() + 6.0, body.top()), QPointF(body.left() + 6.0, body.bottom()));
    return canvas;
}

QImage DrawRedo(double scale)
{
    // The row above comes down again: a bent arrow from the upper left down to the row.
    QImage canvas = NewCanvas(kButtonFace, scale);
    QPainter p;
    BeginPainting(p, canvas, scale);

    QPainterPath shaft;
    shaft.moveTo(1.8, 3.2);
    shaft.lineTo(7.0, 3.2);
    shaft.cubicTo(10.2, 3.2, 11.6, 4.8, 11.6, 7.6);
    shaft.lineTo(11.6, 8.6);

    QPainterPath head;
    head.moveTo(7.6, 8.2);
    head.lineTo(15.6, 8.2);
    head.lineTo(11.6, 13.8);
    head.closeSubpath();

    const QColor green(40, 160, 70);
    // Dark outline first, then the green body on top, then a highlight along the shaft.
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setBrush(kInk);
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(head);

    p.setPen(QPen(green, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(head);

    p.setPen(QPen(WithAlpha(QColor(200, 255, 200), 0.8), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.4, 2.6), QPointF(7.0, 2.6));
    return canvas;
}

QImage DrawCheckButton(double scale)
{
    // A round brass button set into the wood, with a green tick: press it to score the row.
    QImage canvas = NewCanvas({32, 32}, scale);
    QPainter p;
    BeginPainting(p, canvas, scale);
    const QPointF centre(16.0, 16.0);

    // Soft shadow under the rim.
    QRadialGradient shadow(centre + QPointF(0.8, 1.2), 15.5);
    shadow.setColorAt(0.80, WithAlpha(Qt::black, 0.45));
    shadow.setColorAt(1.0, WithAlpha(Qt::black, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(0.8, 1.2), 15.5, 15.5);

    // Brass rim, lit from the upper left.
    QLinearGradient rim(QPointF(4, 3), QPointF(28, 29));
    rim.setColorAt(0.0, QColor(255, 232, 150));
    rim.setColorAt(0.5, QColor(196, 150, 58));
    rim.setColorAt(1.0, QColor(110, 74, 20));
    p.setBrush(rim);
    p.drawEllipse(centre, 13.6, 13.6);

    // The face: a deep green dome.
    QRadialGradient face(centre + QPointF(-3.5, -4.0), 14.0);
    face.setColorAt(0.0, QColor(120, 215, 130));
    face.setColorAt(0.55, QColor(34, 140, 62));
    face.setColorAt(1.0, QColor(12, 70, 30));
    p.setBrush(face);
    p.drawEllipse(centre, 11.2, 11.2);

    // The tick, with a dark edge so it reads on the green.
    QPainterPath tick;
    tick.moveTo(10.0, 16.6);
    tick.lineTo(14.4, 21.0);
    tick.lineTo(22.4, 11.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(kInk, 0.8), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(250, 250, 235), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);

    // Specular highlight on the dome.
    QRadialGradient gloss(centre + QPointF(-4.0, -5.5), 6.0);
    gloss.setColorAt(0.0, WithAlpha(Qt::white, 0.55));
    gloss.setColorAt(1.0, WithAlpha(Qt::white, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(centre + QPointF(-4.0, -5.5), 6.0, 4.2);
    return canvas;
}

} // namespace tintrix::art
