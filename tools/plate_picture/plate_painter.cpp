// SPDX-License-Identifier: MIT
#include "plate_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>

namespace {

// Drawing units: the plate is 612 across, centred on the origin, angles clockwise from South at the top.
constexpr qreal halfSide = 314;
constexpr qreal rimOuter = 306;
constexpr qreal rimInner = 290;
constexpr qreal hourInner = 256;
constexpr qreal dayInner = 203;
constexpr qreal degreeInner = 186;
constexpr qreal equator = 122;
constexpr qreal cancer = 79;
constexpr qreal bossRadius = 17;

const QColor background(232, 230, 226);
const QColor ink(58, 34, 12);
const QColor highlight(255, 244, 208, 150);

QPointF polar(qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {radius * std::sin(a), -radius * std::cos(a)};
}

// An engraved groove catches the light on its lower-right lip: draw the shape once offset in a pale tone, then
// in dark ink on top.
template <typename Draw>
void engrave(QPainter &p, Draw draw)
{
    p.save();
    p.translate(0.9, 0.9);
    draw(highlight);
    p.restore();
    draw(ink);
}

void circle(QPainter &p, qreal radius, qreal width)
{
    engrave(p, [&](const QColor &c) {
        p.setPen(QPen(c, width));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), radius, radius);
    });
}

void radialLine(QPainter &p, qreal degrees, qreal from, qreal to, qreal width)
{
    engrave(p, [&](const QColor &c) {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(from, degrees), polar(to, degrees));
    });
}

QPainterPath centredText(const QString &text, const QFont &font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(-path.boundingRect().center());
}

// Figures stand on the circle with their feet toward the centre; on the lower half they are turned so they still
// read upright.
void ringText(QPainter &p, const QString &text, const QFont &font, qreal radius, qreal degrees)
{
    const QPainterPath path = centredText(text, font);
    const qreal normalized = std::fmod(degrees + 360.0, 360.0);
    const bool lowerHalf = normalized > 90.0 && normalized < 270.0;
    engrave(p, [&](const QColor &c) {
        p.save();
        p.rotate(degrees);
        p.translate(0, -radius);
        if (lowerHalf)
            p.rotate(180);
        p.fillPath(path, c);
        p.restore();
    });
}

void uprightText(QPainter &p, const QString &text, const QFont &font, QPointF centre)
{
    const QPainterPath path = centredText(text, font).translated(centre);
    engrave(p, [&](const QColor &c) { p.fillPath(path, c); });
}

QFont plateFont(qreal pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintBackground(QPainter &p)
{
    p.fillRect(QRectF(-halfSide, -halfSide, 2 * halfSide, 2 * halfSide), background);
    QRadialGradient shadow(QPointF(3, 5), rimOuter + 7);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 110));
    shadow.setColorAt(0.96, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(3, 5), rimOuter + 7, rimOuter + 7);
}

void paintMetal(QPainter &p)
{
    QRadialGradient body(QPointF(0, 0), rimOuter, QPointF(-110, -130));
    body.setColorAt(0.0, QColor(252, 230, 166));
    body.setColorAt(0.4, QColor(230, 184, 98));
    body.setColorAt(0.8, QColor(184, 128, 50));
    body.setColorAt(1.0, QColor(136, 88, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), rimOuter, rimOuter);

    // The sheen of metal turned on a lathe: broad light and dark sectors, then fine concentric scratches.
    QConicalGradient sheen(QPointF(0, 0), 35);
    for (int i = 0; i <= 8; ++i)
        sheen.setColorAt(i / 8.0, i % 2 ? QColor(60, 30, 0, 26) : QColor(255, 250, 230, 40));
    p.setBrush(sheen);
    p.drawEllipse(QPointF(0, 0), rimOuter, rimOuter);

    QRandomGenerator random(28);
    p.setBrush(Qt::NoBrush);
    for (qreal r = 2; r < rimOuter; r += 1.3) {
        const bool light = random.bounded(2) == 0;
        const int alpha = 6 + random.bounded(14);
        p.setPen(QPen(light ? QColor(255, 245, 215, alpha) : QColor(70, 40, 10, alpha), 0.8));
        p.drawEllipse(QPointF(0, 0), r, r);
    }
}

void tintBand(QPainter &p, qreal outer, qreal inner, const QColor &tint)
{
    QPainterPath band;
    band.addEllipse(QPointF(0, 0), outer, outer);
    band.addEllipse(QPointF(0, 0), inner, inner);
    p.fillPath(band, tint);
}

void paintRim(QPainter &p)
{
    QPainterPath rim;
    rim.addEllipse(QPointF(0, 0), rimOuter, rimOuter);
    rim.addEllipse(QPointF(0, 0), rimInner, rimInner);
    QLinearGradient bevel(polar(rimOuter, 315), polar(rimOuter, 135));
    bevel.setColorAt(0.0, QColor(255, 240, 190, 210));
    bevel.setColorAt(0.5, QColor(200, 150, 70, 0));
    bevel.setColorAt(1.0, QColor(60, 32, 6, 190));
    p.fillPath(rim, bevel);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(80, 50, 15), 1.6));
    p.drawEllipse(QPointF(0, 0), rimOuter - 0.8, rimOuter - 0.8);
    circle(p, rimInner, 1.8);
}

void paintHours(QPainter &p)
{
    tintBand(p, rimInner, hourInner, QColor(90, 55, 15, 28));
    const QFont font = plateFont(20, QFont::Bold);
    for (int half = 0; half < 48; ++half) {
        const qreal degrees = half * 7.5;
        if (half % 2) {
            radialLine(p, degrees, rimInner, rimInner - 7, 1.2);
        } else {
            radialLine(p, degrees, rimInner, rimInner - 11, 2.0);
            const int hour = (12 + half / 2 - 1) % 24 + 1;
            ringText(p, QString::number(hour), font, hourInner + 13, degrees);
        }
    }
    circle(p, hourInner, 1.6);
}

void paintDays(QPainter &p)
{
    constexpr int days = 28;
    constexpr qreal step = 360.0 / days;
    tintBand(p, hourInner - 3, dayInner + 3, QColor(255, 240, 200, 34));
    circle(p, hourInner - 3, 1.0);
    const QFont font = plateFont(23, QFont::Bold);
    for (int day = 1; day <= days; ++day) {
        radialLine(p, (day - 1) * step, hourInner - 3, dayInner + 3, 1.6);
        ringText(p, QString::number(day), font, (hourInner + dayInner) / 2, (day - 0.5) * step);
    }
    circle(p, dayInner + 3, 1.0);
    circle(p, dayInner, 1.6);
}

void paintDegrees(QPainter &p)
{
    for (int degrees = 0; degrees < 360; degrees += 5) {
        const qreal length = degrees % 30 == 0 ? dayInner - degreeInner : degrees % 10 == 0 ? 10 : 6;
        radialLine(p, degrees, dayInner, dayInner - length, degrees % 30 == 0 ? 1.8 : 1.2);
    }
    circle(p, degreeInner, 1.8);
}

void paintLines(QPainter &p)
{
    circle(p, equator, 1.4);
    circle(p, cancer, 1.2);
    for (int hour = 0; hour < 24; ++hour) {
        if (hour % 6)
            radialLine(p, hour * 15, degreeInner, equator, 0.8);
    }
    for (int quarter = 0; quarter < 4; ++quarter)
        radialLine(p, quarter * 90, degreeInner, bossRadius, 1.4);
}

void rosePoint(QPainter &p, qreal degrees, qreal length, qreal width, const QColor &lit, const QColor &shaded)
{
    p.save();
    p.rotate(degrees);
    const QPointF tip(0, -length);
    const QPolygonF left{QPointF(0, 0), tip, QPointF(-width, -width)};
    const QPolygonF right{QPointF(0, 0), tip, QPointF(width, -width)};
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawPolygon(left);
    p.setBrush(shaded);
    p.drawPolygon(right);
    p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(-width, -width), tip, QPointF(width, -width)});
    p.drawLine(QPointF(0, 0), tip);
    p.restore();
}

void paintRose(QPainter &p)
{
    for (int i = 0; i < 4; ++i)
        rosePoint(p, 45 + i * 90, 76, 11, QColor(236, 200, 128), QColor(168, 116, 48));
    for (int i = 0; i < 4; ++i)
        rosePoint(p, i * 90, 136, 19, QColor(246, 218, 150), QColor(150, 100, 38));

    const QFont font = plateFont(36, QFont::Bold);
    const qreal r = 160;
    uprightText(p, QStringLiteral("S"), font, polar(r, 0));
    uprightText(p, QStringLiteral("W"), font, polar(r, 90));
    uprightText(p, QStringLiteral("N"), font, polar(r, 180));
    uprightText(p, QStringLiteral("E"), font, polar(r, 270));
}

void paintBoss(QPainter &p)
{
    QRadialGradient dome(QPointF(0, 0), bossRadius, QPointF(-6, -7));
    dome.setColorAt(0.0, QColor(255, 242, 200));
    dome.setColorAt(0.6, QColor(214, 166, 82));
    dome.setColorAt(1.0, QColor(120, 78, 28));
    p.setPen(QPen(ink, 1.4));
    p.setBrush(dome);
    p.drawEllipse(QPointF(0, 0), bossRadius, bossRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 22, 6));
    p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
}

} // namespace

QImage paintPlate(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side / 2.0, side / 2.0);
    p.scale(side / (2 * halfSide), side / (2 * halfSide));

    paintBackground(p);
    paintMetal(p);
    paintRim(p);
    paintHours(p);
    paintDays(p);
    paintDegrees(p);
    paintLines(p);
    paintRose(p);
    paintBoss(p);
    return image;
}
