// A sector of angle A opening in a circle of radius r, over the regular hexagon inscribed
// in the same circle: at its widest the sector is exactly one of the hexagon's six equal
// sectors, its triangle plus the segment outside it. The sector opens and closes again.

#include "canvas.h"
#include "geometry.h"
#include "animations.h"

#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

constexpr double radius = 175;
const QPointF centre(324, 250);

QImage drawFrame(int frame, int count)
{
    QImage image = newFrame();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The hexagon and its six triangles, quietly in the background.
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << polar(centre, radius, i * pi / 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 205, 225, 70));
    p.drawPolygon(hexagon);

    const double angle = degrees(15) + degrees(45) * pingPong(frame, count);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath sector(centre);
    sector.arcTo(box, 0, angle * 180 / pi);
    sector.closeSubpath();
    p.setBrush(colour::warm);
    p.setPen(QPen(colour::warmDark, 2));
    p.drawPath(sector);

    p.setPen(QPen(QColor(200, 235, 245), 2.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(hexagon);
    for (const QPointF& v : hexagon)
        p.drawLine(centre, v);

    p.setPen(QPen(colour::chalk, 4));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(colour::chalk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, polar(centre, radius, 0));
    p.drawLine(centre, polar(centre, radius, angle));

    // The angle A at the centre.
    p.setPen(QPen(QColor(255, 255, 120), 3));
    p.drawArc(QRectF(centre.x() - 44, centre.y() - 44, 88, 88), 0, int(angle * 180 / pi * 16));
    drawLabel(p, polar(centre, 84, angle / 2), QStringLiteral("A"), letterFont(),
              QColor(255, 255, 120));
    drawLabel(p, polar(centre, radius * 0.62, 0) + QPointF(0, 26), QStringLiteral("r"),
              letterFont());
    p.setBrush(colour::chalk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 5, 5);
    return image;
}

} // namespace

Sequence sectorSequence()
{
    Sequence s{sequences::Id::Sector, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
