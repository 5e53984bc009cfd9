// The main menu's backdrop: calm dark blue with faint geometry low in the corners, so that
// the yellow title and entries read clearly over it.

#include "canvas.h"
#include "geometry.h"
#include "shellpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

QImage menuBackground(int scale)
{
    QImage image(800 * scale, 600 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor(24, 58, 130));
    g.setColorAt(0.25, QColor(18, 42, 104));
    g.setColorAt(1, QColor(10, 24, 66));
    p.fillRect(QRect(0, 0, 800, 600), g);

    // A soft light behind the title.
    QRadialGradient glow(QPointF(400, 40), 300);
    glow.setColorAt(0, QColor(80, 130, 220, 80));
    glow.setColorAt(1, QColor(80, 130, 220, 0));
    p.fillRect(QRect(0, 0, 800, 600), glow);

    // A thin gold rule between the title and the entries, clear of the logo on the left.
    p.setPen(QPen(QColor(240, 196, 60, 150), 2));
    p.drawLine(QPointF(130, 140), QPointF(740, 140));

    const QColor faint(150, 190, 255, 34);
    p.setPen(QPen(faint, 3));
    p.setBrush(Qt::NoBrush);
    // A circle with its inscribed hexagon, low on the right.
    const QPointF c(700, 530);
    p.drawEllipse(c, 150, 150);
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << polar(c, 150, i * pi / 3);
    p.drawPolygon(hexagon);
    for (const QPointF& v : hexagon)
        p.drawLine(c, v);
    // A cone, low on the left.
    p.drawLine(QPointF(90, 430), QPointF(-10, 640));
    p.drawLine(QPointF(90, 430), QPointF(190, 640));
    p.drawEllipse(QPointF(90, 640), 100, 28);
    return image;
}

} // namespace art
