// The segment cut off by a chord is the sector minus the isosceles triangle: the triangle
// slides out of the sector, leaving the segment, and slides back. A row of small shapes
// under the circle says the same: sector - triangle = segment.

#include "canvas.h"
#include "geometry.h"
#include "animations.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

const double sectorAngle = degrees(110);

struct Shapes {
    QPainterPath segment;
    QPolygonF triangle;
};

// The segment and triangle of a sector pointing up from `apex`.
Shapes shapes(QPointF apex, double radius)
{
    const double from = pi / 2 - sectorAngle / 2;
    const QPointF a = polar(apex, radius, from);
    const QPointF b = polar(apex, radius, from + sectorAngle);
    Shapes s;
    s.segment.moveTo(a);
    s.segment.arcTo(QRectF(apex.x() - radius, apex.y() - radius, 2 * radius, 2 * radius),
                    from * 180 / pi, sectorAngle * 180 / pi);
    s.segment.closeSubpath();
    s.triangle = QPolygonF{apex, a, b};
    return s;
}

void drawEquation(QPainter& p)
{
    const double r = 72, y = 478;
    const QPen outline(QColor(20, 28, 60), 2);
    auto piece = [&](double x, bool segment, bool triangle) {
        const Shapes s = shapes({x, y}, r);
        p.setPen(outline);
        if (segment) {
            p.setBrush(colour::warm);
            p.drawPath(s.segment);
        }
        if (triangle) {
            p.setBrush(colour::cool);
            p.drawPolygon(s.triangle);
        }
    };
    piece(112, true, true);
    drawLabel(p, {218, y - 38}, QStringLiteral("−"), wordFont(56));
    piece(324, false, true);
    drawLabel(p, {430, y - 38}, QStringLiteral("="), wordFont(56));
    piece(536, true, false);
}

QImage drawFrame(int frame, int count)
{
    QImage image = newFrame();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(324, 228);
    const double radius = 168;
    const double out = pingPong(frame, count);

    p.setPen(QPen(QColor(245, 245, 235, 110), 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    const Shapes s = shapes(centre, radius);
    p.setPen(QPen(colour::warmDark, 2));
    p.setBrush(colour::warm);
    p.drawPath(s.segment);

    // The triangle leaves a gap the shape of itself when it moves away.
    p.setPen(QPen(QColor(245, 245, 235, int(160 * out)), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(s.triangle);
    const QPointF shift(0, 90 * out);
    p.setPen(QPen(QColor(20, 28, 60), 2));
    p.setBrush(colour::cool);
    p.drawPolygon(s.triangle.translated(shift));

    // The segment's outline grows bolder as it is left on its own.
    p.setPen(QPen(QColor(255, 255, 120), 2 + 4 * out, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s.segment);

    const QPointF apex = centre + shift;
    const double from = pi / 2 - sectorAngle / 2;
    p.setPen(QPen(QColor(40, 40, 90), 3));
    p.drawArc(QRectF(apex.x() - 40, apex.y() - 40, 80, 80), int(from * 180 / pi * 16),
              int(sectorAngle * 180 / pi * 16));
    drawLabel(p, polar(apex, 72, pi / 2), QStringLiteral("A"), letterFont(),
              QColor(255, 255, 120));
    const double side = from + sectorAngle;
    drawLabel(p, polar(apex, radius * 0.5, side) + polar({0, 0}, 28, side + pi / 2),
              QStringLiteral("r"), letterFont());

    drawEquation(p);
    return image;
}

} // namespace

Sequence segmentSequence()
{
    Sequence s{sequences::Id::Segment, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
