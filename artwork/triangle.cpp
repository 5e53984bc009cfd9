// A chord subtending an angle A at the centre of a circle of radius r, and the isosceles
// triangle it forms with the centre. The angle widens and narrows once per loop while a
// point runs once round the circumference.

#include "canvas.h"
#include "geometry.h"
#include "animations.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace art {
namespace {

constexpr double radius = 175;
const QPointF centre(324, 236);

QImage drawFrame(int frame, int count)
{
    QImage image = newFrame();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double phase = 2 * pi * frame / count;
    const double angle = degrees(100) + degrees(40) * std::sin(phase);
    const double down = -pi / 2;
    const QPointF left = polar(centre, radius, down - angle / 2);
    const QPointF right = polar(centre, radius, down + angle / 2);

    p.setPen(QPen(colour::chalk, 4));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(centre, radius, radius);

    p.setPen(QPen(colour::warmDark, 2));
    p.setBrush(colour::warm);
    p.drawPolygon(QPolygonF{centre, left, right});

    p.setPen(QPen(colour::chalk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, left);
    p.drawLine(centre, right);
    p.setPen(QPen(colour::seam, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(left, right);

    p.setPen(QPen(QColor(40, 40, 90), 3));
    p.setBrush(Qt::NoBrush);
    const double a0 = (down - angle / 2) * 180 / pi;
    p.drawArc(QRectF(centre.x() - 42, centre.y() - 42, 84, 84), int(a0 * 16),
              int(angle * 180 / pi * 16));
    drawLabel(p, polar(centre, 80, down), QStringLiteral("A"), letterFont(),
              QColor(255, 255, 120));
    // r beside each equal side, outside the triangle.
    const double leftSide = down - angle / 2;
    const double rightSide = down + angle / 2;
    drawLabel(p, polar(centre, radius * 0.55, leftSide) + polar({0, 0}, 28, leftSide - pi / 2),
              QStringLiteral("r"), letterFont());
    drawLabel(p, polar(centre, radius * 0.55, rightSide) + polar({0, 0}, 28, rightSide + pi / 2),
              QStringLiteral("r"), letterFont());

    // A point running round the circumference, trailing a fading arc.
    const double run = pi / 2 + phase;
    for (int i = 0; i < 12; ++i) {
        const double a = run - degrees(4) * i;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 205, 225, 230 - 18 * i));
        p.drawEllipse(polar(centre, radius, a), 7 - 0.4 * i, 7 - 0.4 * i);
    }
    p.setBrush(colour::cool);
    p.setPen(QPen(QColor(20, 28, 60), 2));
    p.drawEllipse(polar(centre, radius, run), 10, 10);

    p.setBrush(colour::chalk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 5, 5);
    return image;
}

} // namespace

Sequence triangleSequence()
{
    Sequence s{sequences::Id::Triangle, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
