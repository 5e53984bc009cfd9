// The program's emblem: a paper cone, the two faces of its paper in the program's two
// colours, standing in a gold ring on dark blue. The logo, the desktop icons and the title
// animation all show it.

#include "canvas.h"
#include "folds.h"
#include "animations.h"
#include "shellpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

void drawCone(QPainter& p, QPointF centre, double size, double turn)
{
    Scene scene({-0.5, 0.7, 0.8});
    PaperStyle paper;
    // The upper face of the paper is the outside of the cone.
    paper.front = colour::cool;
    paper.back = colour::warm;
    paper.outlineWidth = std::max(1.0, size / 110);
    paper.uEdges = colour::seam;
    paper.highlightWidth = std::max(1.5, size / 60);
    paper.gridEvery = 4;
    scene.addSurface(paperCone(1.0, degrees(250), 2 * pi, turn), 48, 8, paper);
    const Camera camera = Camera::orbit({0, 0.45, 0}, 6, 0, degrees(22), size * 2.3, centre);
    scene.render(p, camera);
}

} // namespace

QImage emblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    const double r = size * 0.47;
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    g.setColorAt(0, QColor(52, 92, 190));
    g.setColorAt(1, QColor(14, 26, 74));
    p.setPen(QPen(QColor(240, 196, 60), std::max(1.0, size / 28.0)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    drawCone(p, c + QPointF(0, size * 0.03), size * 0.9, degrees(210));
    return image;
}

QImage logo()
{
    QImage image(200, 278, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, image.height());
    g.setColorAt(0, QColor(30, 52, 128));
    g.setColorAt(1, QColor(16, 28, 80));
    p.fillRect(image.rect(), QColor(40, 66, 156));
    p.setPen(QPen(QColor(240, 196, 60), 3));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 196, 274), 16, 16);
    p.drawImage(QPointF(14, 14), emblem(172));
    p.setPen(QColor(255, 255, 0));
    p.setFont(wordFont(34));
    p.drawText(QRectF(0, 186, 200, 44), Qt::AlignCenter, QStringLiteral("Vornash"));
    p.setPen(QColor(245, 245, 235));
    p.setFont(wordFont(26));
    p.drawText(QRectF(0, 226, 200, 40), Qt::AlignCenter, QStringLiteral("3  Demo"));
    return image;
}

Sequence titleSequence()
{
    // The emblem's cone turns once about its axis over the fifty frames, and a ball runs
    // once round a ring about it, so the loop closes seamlessly.
    Sequence s{sequences::Id::Title, {}};
    s.draw = [count = s.frames().count](int frame) {
        QImage image(640, 480, QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // The title window's own grey, so that the picture has no visible border on it.
        image.fill(QColor(192, 192, 192));
        const double turn = 2 * pi * frame / count;

        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawEllipse(QPointF(320, 395), 220, 38);

        // A gold ring round the cone with a blue ball running on it: the far half of the
        // ring goes behind the cone, the near half in front.
        const QPointF ringCentre(320, 268);
        const QRectF ring(ringCentre.x() - 280, ringCentre.y() - 68, 560, 136);
        const QPen gold(QColor(215, 160, 30), 7, Qt::SolidLine, Qt::RoundCap);
        const QPointF ball(ringCentre.x() + 280 * std::cos(turn), ringCentre.y() + 68 * std::sin(turn));
        const bool ballInFront = std::sin(turn) > 0;
        auto drawBall = [&] {
            QRadialGradient shine(ball - QPointF(6, 6), 22);
            shine.setColorAt(0, QColor(140, 170, 255));
            shine.setColorAt(1, QColor(30, 50, 140));
            p.setPen(QPen(QColor(20, 30, 80), 2));
            p.setBrush(shine);
            p.drawEllipse(ball, 18, 18);
        };
        p.setBrush(Qt::NoBrush);
        p.setPen(gold);
        p.drawArc(ring, 0, 180 * 16);
        if (!ballInFront)
            drawBall();
        drawCone(p, QPointF(320, 200), 500, degrees(210) + turn);
        p.setBrush(Qt::NoBrush);
        p.setPen(gold);
        p.drawArc(ring, 180 * 16, 180 * 16);
        if (ballInFront)
            drawBall();
        return image;
    };
    return s;
}

} // namespace art
