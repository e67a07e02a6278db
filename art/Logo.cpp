// SPDX-License-Identifier: GPL-3.0-or-later
// The Tintrix logo: a round wooden board with a golden T in the middle and a ring of six
// coloured pegs. The splash animates it by lighting the pegs in turn, as chasing lights.
#include "Artwork.h"
#include "Canvas.h"

// Qt
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

// Std
#include <array>
#include <cmath>
#include <numbers>

namespace tintrix::art {

namespace {

// Round the ring clockwise from the top: a rainbow of the game's own peg colours.
const std::array<QColor, 6> kRingColours{QColor(225, 30, 35),  QColor(255, 140, 20), QColor(40, 175, 70),
                                         QColor(95, 215, 250), QColor(35, 110, 235), QColor(140, 60, 200)};

/** Where the logo's parts lie in a square of `size` logical pixels. Icons of 24 pixels and
 *  less keep only the big shapes, drawn larger. */
struct LogoShape {
    bool tiny;
    QPointF centre;
    double radius; // the gold rim
    double face;   // the wood inside it
    double ring, hole, peg;
    QPainterPath letter; // the golden T
    double letterTop = 0;
    double letterBottom = 0;

    explicit LogoShape(double size)
        : tiny(size <= 24), centre(size / 2, size / 2), radius(size / 2 * (tiny ? 0.96 : 0.90)),
          face(radius * (tiny ? 0.88 : 0.91)), ring(face * 0.66), hole(face * (tiny ? 0.27 : 0.22)),
          peg(face * (tiny ? 0.25 : 0.18))
    {
        const double barWidth = face * (tiny ? 0.66 : 0.62);
        const double barHeight = face * (tiny ? 0.24 : 0.17);
        const double stemWidth = face * (tiny ? 0.26 : 0.20);
        const double stemHeight = face * (tiny ? 0.52 : 0.50);
        letterTop = centre.y() - (barHeight + stemHeight) / 2;
        letterBottom = letterTop + barHeight + stemHeight;
        letter.addRoundedRect(QRectF(centre.x() - barWidth / 2, letterTop, barWidth, barHeight), barHeight * 0.25,
                              barHeight * 0.25);
        letter.addRoundedRect(
            QRectF(centre.x() - stemWidth / 2, letterTop + barHeight * 0.5, stemWidth, stemHeight + barHeight * 0.5),
            stemWidth * 0.25, stemWidth * 0.25);
        letter.setFillRule(Qt::WindingFill);
        letter = letter.simplified();
    }

    [[nodiscard]] QPointF pegAt(int i) const
    {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / kRingColours.size();
        return centre + QPointF(ring * std::cos(angle), ring * std::sin(angle));
    }
    [[nodiscard]] QPointF shadowCentre() const { return centre + QPointF(0, radius * 0.05); }
    [[nodiscard]] QPointF woodFocus() const { return centre - QPointF(face * 0.3, face * 0.35); }
    [[nodiscard]] QPointF letterShadowOffset(double size) const { return {size * 0.012 + 0.3, size * 0.018 + 0.4}; }
};

// The colours of the gradients, shared by the bitmaps and the SVG.
const QColor kGoldLight(255, 226, 140), kGoldMid(214, 160, 50), kGoldDark(140, 92, 20);
const QColor kWoodCentre(140, 92, 54);
const QColor kLetterLight(255, 240, 170), kLetterMid(240, 190, 60), kLetterDark(180, 120, 20);
const QColor kLetterEdge(90, 55, 10);

/** Paints the logo filling a square of `size` logical pixels. `litGroup` 0, 1 or 2 lights
 *  every third peg starting there; -1 lights none. */
void PaintLogo(QPainter& p, double size, int litGroup)
{
    const LogoShape shape(size);
    const bool tiny = shape.tiny;
    const QPointF centre = shape.centre;
    const double radius = shape.radius;

    p.save();
    p.setPen(Qt::NoPen);

    // Shadow under the board.
    if (!tiny) {
        const QPointF shadowCentre = shape.shadowCentre();
        QRadialGradient shadow(shadowCentre, radius * 1.1);
        shadow.setColorAt(0.85, WithAlpha(Qt::black, 0.45));
        shadow.setColorAt(1.0, WithAlpha(Qt::black, 0.0));
        p.setBrush(shadow);
        p.drawEllipse(shadowCentre, radius * 1.1, radius * 1.1);
    }

    // Gold rim, then the wooden face inside it.
    QLinearGradient gold(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    gold.setColorAt(0.0, kGoldLight);
    gold.setColorAt(0.5, kGoldMid);
    gold.setColorAt(1.0, kGoldDark);
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);
    const double face = shape.face;
    QRadialGradient wood(centre, face, shape.woodFocus());
    wood.setColorAt(0.0, kWoodCentre);
    wood.setColorAt(0.7, kWoodDark);
    wood.setColorAt(1.0, kWoodDark.darker(160));
    p.setBrush(wood);
    p.drawEllipse(centre, face, face);

    // The ring of holes and pegs.
    const double hole = shape.hole;
    const double peg = shape.peg;
    for (int i = 0; i < int(kRingColours.size()); ++i) {
        const QPointF at = shape.pegAt(i);
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
    p.setBrush(WithAlpha(Qt::black, 0.5));
    p.drawPath(shape.letter.translated(shape.letterShadowOffset(size)));
    QLinearGradient letterGold(0, shape.letterTop, 0, shape.letterBottom);
    letterGold.setColorAt(0.0, kLetterLight);
    letterGold.setColorAt(0.45, kLetterMid);
    letterGold.setColorAt(1.0, kLetterDark);
    p.setBrush(letterGold);
    if (!tiny)
        p.setPen(QPen(kLetterEdge, size * 0.008 + 0.2));
    p.drawPath(shape.letter);
    p.restore();
}

// ---------------------------------------------------------------------------------------
// The same logo as SVG text: the shapes above with SVG gradients in user space.

QString Num(double v) { return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$")); }

QString Stop(double offset, const QColor& c)
{
    QString s = QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"").arg(Num(offset), c.name(QColor::HexRgb));
    if (c.alphaF() < 1)
        s += QStringLiteral(" stop-opacity=\"%1\"").arg(Num(c.alphaF()));
    return s + "/>";
}

QString Radial(const QString& id, QPointF centre, double r, QPointF focus, std::initializer_list<QString> stops)
{
    QString s = QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\" "
                               "fx=\"%5\" fy=\"%6\">")
                    .arg(id, Num(centre.x()), Num(centre.y()), Num(r), Num(focus.x()), Num(focus.y()));
    for (const QString& stop : stops)
        s += stop;
    return s + "</radialGradient>\n";
}

QString Linear(const QString& id, QPointF from, QPointF to, std::initializer_list<QString> stops)
{
    QString s = QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" "
                               "y2=\"%5\">")
                    .arg(id, Num(from.x()), Num(from.y()), Num(to.x()), Num(to.y()));
    for (const QString& stop : stops)
        s += stop;
    return s + "</linearGradient>\n";
}

QString Circle(QPointF at, double r, const QString& fill)
{
    return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n").arg(Num(at.x()), Num(at.y()), Num(r), fill);
}

/** Path data of a painter path: moves, lines and cubic curves. */
QString PathData(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(Num(e.x), Num(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(Num(e.x), Num(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(Num(e.x), Num(e.y), Num(c2.x), Num(c2.y), Num(end.x), Num(end.y));
            i += 2;
        }
    }
    return d + "Z";
}

/** A peg as PaintPeg draws it: the shadow on the hole floor, the shaded body, the rim of light. */
QString SvgPeg(int i, QPointF centre, double radius, const QColor& base, QString& defs)
{
    const QString n = QString::number(i);
    const QPointF shadowCentre = centre + QPointF(radius * 0.10, radius * 0.16);
    const QColor bounced = Mix(base, QColor(255, 235, 210), 0.4);
    defs += Radial("pegShadow" + n, shadowCentre, radius * 1.15, shadowCentre,
                   {Stop(0.70, WithAlpha(Qt::black, 0.65)), Stop(1.0, WithAlpha(Qt::black, 0.0))});
    defs += Radial("peg" + n, centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.40),
                   {Stop(0.0, Mix(base, Qt::white, 0.35)), Stop(0.45, base), Stop(0.85, base.darker(150)),
                    Stop(1.0, base.darker(230))});
    const QPointF bounceCentre = centre + QPointF(radius * 0.25, radius * 0.25);
    defs += Radial("pegBounce" + n, bounceCentre, radius, bounceCentre,
                   {Stop(0.75, WithAlpha(bounced, 0.0)), Stop(0.93, WithAlpha(bounced, 0.5)),
                    Stop(1.0, WithAlpha(bounced, 0.0))});
    return Circle(shadowCentre, radius * 1.15, "url(#pegShadow" + n + ")") + Circle(centre, radius, "url(#peg" + n + ")") +
           Circle(centre, radius, "url(#pegBounce" + n + ")");
}

} // namespace

QByteArray LogoSvg(int size)
{
    const LogoShape shape(size);
    const QPointF centre = shape.centre;
    const double radius = shape.radius;
    QString defs;
    QString body;

    defs += Radial("shadow", shape.shadowCentre(), radius * 1.1, shape.shadowCentre(),
                   {Stop(0.85, WithAlpha(Qt::black, 0.45)), Stop(1.0, WithAlpha(Qt::black, 0.0))});
    body += Circle(shape.shadowCentre(), radius * 1.1, "url(#shadow)");
    defs += Linear("gold", centre - QPointF(radius, radius), centre + QPointF(radius, radius),
                   {Stop(0.0, kGoldLight), Stop(0.5, kGoldMid), Stop(1.0, kGoldDark)});
    body += Circle(centre, radius, "url(#gold)");
    defs += Radial("wood", centre, shape.face, shape.woodFocus(),
                   {Stop(0.0, kWoodCentre), Stop(0.7, kWoodDark), Stop(1.0, kWoodDark.darker(160))});
    body += Circle(centre, shape.face, "url(#wood)");

    for (int i = 0; i < int(kRingColours.size()); ++i) {
        body += Circle(shape.pegAt(i), shape.hole, kHoleFloor.name());
        body += SvgPeg(i, shape.pegAt(i), shape.peg, kRingColours[std::size_t(i)], defs);
    }

    const QPointF offset = shape.letterShadowOffset(size);
    body += QStringLiteral("<path d=\"%1\" fill=\"#000000\" fill-opacity=\"0.5\"/>\n")
                .arg(PathData(shape.letter.translated(offset)));
    defs += Linear("letter", {0, shape.letterTop}, {0, shape.letterBottom},
                   {Stop(0.0, kLetterLight), Stop(0.45, kLetterMid), Stop(1.0, kLetterDark)});
    body += QStringLiteral("<path d=\"%1\" fill=\"url(#letter)\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
                .arg(PathData(shape.letter), kLetterEdge.name(), Num(size * 0.008 + 0.2));

    const QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                       "viewBox=\"0 0 %1 %1\">\n<title>Tintrix</title>\n<defs>\n%2</defs>\n%3</svg>\n")
                            .arg(QString::number(size), defs, body);
    return svg.toUtf8();
}

namespace {

QImage LogoCanvas(int size, double scale, int litGroup)
{
    QImage canvas = NewCanvas({size, size}, scale);
    QPainter p;
    BeginPainting(p, canvas, scale);
    PaintLogo(p, size, litGroup);
    return canvas;
}

} // namespace

QImage DrawLogoFrame(int frame, int size, double scale)
{
    return LogoCanvas(size, scale, frame - 1);
}

QImage DrawLogo(int size, double scale)
{
    return LogoCanvas(size, scale, -1);
}

} // namespace tintrix::art
