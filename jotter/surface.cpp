#include "surface.h"

#include "pen.h"

#include <QMouseEvent>
#include <QPainter>

namespace jotter {

Surface::Surface(QWidget* parent)
    : QWidget(parent)
{
    // Every pixel comes from the image, and a larger surface keeps what was drawn.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    fitImage(size());
}

void Surface::clear()
{
    m_image.fill(background());
    m_lastPoint = {0, 0};
    update();
}

void Surface::mousePressEvent(QMouseEvent* event)
{
    m_lastPoint = event->position();
}

void Surface::mouseMoveEvent(QMouseEvent* event)
{
    if (drawsStroke(buttonState(event->buttons())))
        drawLineTo(event->position());
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.drawImage(dirty, m_image, dirty);
}

void Surface::resizeEvent(QResizeEvent* event)
{
    fitImage(event->size());
    QWidget::resizeEvent(event);
}

void Surface::drawLineTo(const QPointF& endPoint)
{
    // A pointer position names a pixel; the line runs through that pixel's centre, so a
    // level stroke covers whole rows and its width is exactly the pen's.
    const QPointF centre(0.5, 0.5);
    const QPointF a = m_lastPoint + centre;
    const QPointF b = endPoint + centre;
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_penColour, m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(a, b);
    }
    const int grow = m_penWidth / 2 + 2;
    update(QRectF(a, b).normalized().toAlignedRect().adjusted(-grow, -grow, grow, grow));
    m_lastPoint = endPoint;
}

void Surface::fitImage(const QSize& size)
{
    const QSize wanted = size.expandedTo(QSize(1, 1));
    if (m_image.size() == wanted)
        return;
    // Growing keeps what is drawn; the new part is blank surface.
    QImage fitted(wanted, QImage::Format_RGB32);
    fitted.fill(background());
    if (!m_image.isNull()) {
        QPainter p(&fitted);
        p.drawImage(0, 0, m_image);
    }
    m_image = fitted;
}

} // namespace jotter
