// Why the area of a circle is pi r squared: the radius sweeps the disc, the disc is cut
// into thin sectors, and the sectors, laid alternately point up and point down, make a
// shape that tends to a rectangle pi r long and r high. Then all of it goes back.
//
// Frames  0-13  the radius r sweeps the disc
//        14-17  the cuts between the sectors appear
//        18-31  the sectors move into a row
//        32-41  the row is measured: pi r by r, area pi r squared
//        42-51  the sectors go back into the disc
//        52-57  the disc fades to the empty circle of frame 0

#include "canvas.h"
#include "geometry.h"
#include "animations.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

constexpr int sectors = 16;
constexpr double radius = 140;
const QPointF discCentre(324, 200);
const double rowLeft = 324 - (pi * radius + pi * radius / sectors) / 2;
constexpr double rowBottom = 330;

// Where sector i sits after the move, as the position of its apex and its turn.
struct Placement {
    QPointF apex;
    double turn;
};

double midAngle(int i) { return (i + 0.5) * 2 * pi / sectors; }

Placement inRow(int i)
{
    const double width = 2 * pi * radius / sectors;  // arc length of one sector
    const int half = sectors / 2;
    if (i < half) {
        // Upper half, read from the left (angle pi) to the right (angle 0): arcs on top.
        const int k = half - 1 - i;
        return {{rowLeft + (k + 0.5) * width, rowBottom}, pi / 2 - midAngle(i)};
    }
    // Lower half, read from the left (angle pi) to the right (angle 2 pi): arcs below.
    const int k = i - half;
    // Turned the short way round, so that no sector spins on its way.
    return {{rowLeft + (k + 1.0) * width, rowBottom - radius}, 3 * pi / 2 - midAngle(i)};
}

QColor sectorColour(int i)
{
    const bool upper = i < sectors / 2;
    const QColor base = upper ? colour::warm : colour::cool;
    return i % 2 ? base : base.darker(118);
}

QPainterPath sectorPath(QPointF apex, double from, double span)
{
    QPainterPath path(apex);
    const QRectF box(apex.x() - radius, apex.y() - radius, 2 * radius, 2 * radius);
    path.arcTo(box, from * 180 / pi, span * 180 / pi);
    path.closeSubpath();
    return path;
}

// The row measured in three steps: its length, its height, its area.
void drawMeasures(QPainter& p, double length, double height, double area)
{
    if (length <= 0)
        return;
    const double width = pi * radius;
    const double left = rowLeft + radius * pi / sectors / 2;
    const double top = rowBottom - radius;
    p.save();
    p.setOpacity(height);
    QPen dashed(colour::chalk, 2.5, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, top, width, radius));
    QPen arrow(colour::chalk, 3);
    p.setPen(arrow);
    p.setOpacity(length);
    const double y = top - 24;
    p.drawLine(QPointF(left, y), QPointF(left + width, y));
    p.drawLine(QPointF(left, y - 10), QPointF(left, y + 10));
    p.drawLine(QPointF(left + width, y - 10), QPointF(left + width, y + 10));
    p.setOpacity(height);
    const double x = left - 24;
    p.drawLine(QPointF(x, top), QPointF(x, rowBottom));
    p.drawLine(QPointF(x - 10, top), QPointF(x + 10, top));
    p.drawLine(QPointF(x - 10, rowBottom), QPointF(x + 10, rowBottom));
    p.restore();
    drawLabel(p, QPointF(left + width / 2, y - 26), QStringLiteral("πr"), letterFont(),
              colour::label, length);
    drawLabel(p, QPointF(x - 26, (top + rowBottom) / 2), QStringLiteral("r"), letterFont(),
              colour::label, height);
    drawLabel(p, QPointF(324, 420), QStringLiteral("A = πr × r = πr²"), letterFont(40),
              QColor(255, 255, 120), area);
}

QImage drawFrame(int frame)
{
    QImage image = newFrame();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double sweep = frame < 14 ? 2 * pi * frame / 14 : 2 * pi;
    const double fill = frame < 52 ? 1.0 : (58 - frame) / 7.0;
    const double cuts = ramp(frame, 13, 17) * (1 - ramp(frame, 50, 54));
    const double move = ramp(frame, 18, 31) * (1 - ramp(frame, 42, 51));

    // The circle itself fades to a faint outline while its pieces are away.
    p.setPen(QPen(QColor(245, 245, 235, int(255 * (1 - 0.8 * move))), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(discCentre, radius, radius);

    for (int i = 0; i < sectors; ++i) {
        const double from = i * 2 * pi / sectors;
        const double span = std::min(2 * pi / sectors, sweep - from);
        if (span <= 0)
            continue;
        const Placement target = inRow(i);
        const QPointF apex = discCentre + (target.apex - discCentre) * move;
        const double turn = target.turn * move;
        QColor c = sectorColour(i);
        // Before the cuts show, the disc is one colour per half.
        c = QColor::fromRgbF(lerp(sectorColour(i & ~1).redF(), c.redF(), cuts),
                             lerp(sectorColour(i & ~1).greenF(), c.greenF(), cuts),
                             lerp(sectorColour(i & ~1).blueF(), c.blueF(), cuts));
        c.setAlphaF(fill);
        QPen edge(QColor(20, 28, 60, int(255 * cuts * fill)), 2);
        p.setPen(cuts > 0 ? edge : QPen(Qt::NoPen));
        p.setBrush(c);
        p.drawPath(sectorPath(apex, from + turn, span));
    }

    // The radius that sweeps the disc.
    const double hand = frame < 14 ? sweep : 0;
    const double handOpacity = 1 - ramp(frame, 16, 20) + ramp(frame, 50, 54);
    if (handOpacity > 0.01) {
        p.save();
        p.setOpacity(std::min(1.0, handOpacity));
        p.setPen(QPen(colour::chalk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(discCentre, polar(discCentre, radius, hand));
        p.setBrush(colour::chalk);
        p.drawEllipse(discCentre, 5, 5);
        p.restore();
        drawLabel(p, polar(discCentre, radius / 2, hand) + polar({0, 0}, 26, hand + pi / 2),
                  QStringLiteral("r"), letterFont(), colour::label, std::min(1.0, handOpacity));
    }

    const double away = 1 - ramp(frame, 41, 44);
    drawMeasures(p, ramp(frame, 31, 34) * away, ramp(frame, 33, 37) * away,
                 ramp(frame, 36, 41) * away);
    return image;
}

} // namespace

Sequence circleSequence()
{
    return {sequences::Id::Circle, drawFrame};
}

} // namespace art
