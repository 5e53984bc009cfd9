#include "canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace art {

QImage newFrame(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, colour::backgroundTop);
    g.setColorAt(1, colour::backgroundBottom);
    p.fillRect(image.rect(), g);
    return image;
}

QFont letterFont(double pixelSize)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setItalic(true);
    f.setBold(true);
    return f;
}

QFont wordFont(double pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    return f;
}

void drawLabel(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
               const QColor& colour, double opacity)
{
    if (opacity <= 0.0)
        return;
    const QFontMetricsF metrics(font);
    const QRectF box = metrics.tightBoundingRect(text);
    const QPointF origin = centre - box.center();
    QPainterPath path;
    path.addText(origin, font, text);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    painter.setPen(QPen(QColor(10, 16, 40, 220), font.pixelSize() / 6.0, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

QPointF polar(QPointF centre, double radius, double angle)
{
    return {centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)};
}

} // namespace art
