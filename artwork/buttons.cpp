// Button faces: a light bevelled plate that stands out on the pages' dark blue, an icon in
// a colour of its own and the word of the button in dark blue.

#include "canvas.h"
#include "shellpictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

constexpr int faceWidth = 238;
constexpr int faceHeight = 66;

// Icons are drawn in a 44 by 44 box whose top-left is the origin.
void drawIcon(QPainter& p, ButtonIcon icon)
{
    const QPen dark(QColor(20, 30, 70), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (icon) {
    case ButtonIcon::Exit: {
        // A door standing open with an arrow walking out of it.
        p.setPen(dark);
        p.setBrush(QColor(150, 95, 50));
        p.drawRect(QRectF(6, 4, 20, 36));
        p.setBrush(QColor(200, 50, 50));
        QPolygonF door{{6, 4}, {17, 9}, {17, 44}, {6, 40}};
        p.drawPolygon(door);
        QPainterPath arrow;
        arrow.moveTo(22, 22);
        arrow.lineTo(36, 22);
        p.setPen(QPen(QColor(200, 50, 50), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arrow);
        p.setBrush(QColor(200, 50, 50));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF{{34, 14}, {43, 22}, {34, 30}});
        break;
    }
    case ButtonIcon::Next: {
        p.setPen(dark);
        p.setBrush(QColor(40, 160, 70));
        p.drawPolygon(QPolygonF{{4, 15}, {22, 15}, {22, 5}, {42, 22}, {22, 39}, {22, 29}, {4, 29}});
        break;
    }
    case ButtonIcon::Answer: {
        // A key: the answer unlocks the problem.
        p.setPen(dark);
        p.setBrush(QColor(235, 180, 30));
        p.drawEllipse(QRectF(3, 10, 22, 22));
        p.setBrush(QColor(240, 243, 250));
        p.drawEllipse(QRectF(9, 16, 10, 10));
        p.setBrush(QColor(235, 180, 30));
        p.drawPolygon(QPolygonF{{24, 18}, {42, 18}, {42, 25}, {38, 25}, {38, 30}, {34, 30},
                                {34, 25}, {24, 25}});
        break;
    }
    case ButtonIcon::Check: {
        p.setPen(QPen(QColor(20, 30, 70), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(7, 23);
        tick.lineTo(17, 34);
        tick.lineTo(37, 9);
        p.drawPath(tick);
        p.setPen(QPen(QColor(40, 170, 70), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        break;
    }
    case ButtonIcon::Jotter: {
        // A note pad with a pencil across it.
        p.setPen(dark);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 5, 26, 34));
        p.setPen(QPen(QColor(90, 140, 210), 1.5));
        for (int y = 14; y <= 34; y += 6)
            p.drawLine(QPointF(8, y), QPointF(26, y));
        p.save();
        p.translate(30, 22);
        p.rotate(-50);
        p.setPen(dark);
        p.setBrush(QColor(245, 170, 40));
        p.drawRect(QRectF(-16, -4, 26, 8));
        p.setBrush(QColor(240, 210, 170));
        p.drawPolygon(QPolygonF{{10, -4}, {18, 0}, {10, 4}});
        p.restore();
        break;
    }
    }
}

} // namespace

QImage buttonFace(ButtonIcon icon, const QString& word)
{
    QImage image(faceWidth, faceHeight, QImage::Format_RGB32);
    image.fill(QColor(40, 66, 156));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF plate(2, 2, faceWidth - 4, faceHeight - 4);
    QLinearGradient g(0, plate.top(), 0, plate.bottom());
    g.setColorAt(0, QColor(252, 252, 255));
    g.setColorAt(0.5, QColor(226, 232, 246));
    g.setColorAt(1, QColor(184, 196, 226));
    p.setPen(QPen(QColor(12, 22, 60), 3));
    p.setBrush(g);
    p.drawRoundedRect(plate, 12, 12);

    p.save();
    p.translate(14, 11);
    drawIcon(p, icon);
    p.restore();

    p.setPen(QColor(20, 34, 96));
    // A longer word, in another language, is set smaller to stay on the plate. The letter
    // marked with '&' is underlined, as a text button shows its access key.
    const QRectF room(64, 0, faceWidth - 72, faceHeight);
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic;
    int size = 32;
    while (size > 16 && QFontMetricsF(wordFont(size)).boundingRect(room, flags, word).width()
                            > room.width())
        --size;
    p.setFont(wordFont(size));
    p.drawText(room, flags, word);
    return image;
}

} // namespace art
