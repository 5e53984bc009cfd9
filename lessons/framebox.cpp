#include "framebox.h"

#include <QPainter>

FrameBox::FrameBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FrameBox::setFrame(const QImage& frame)
{
    m_frame = frame;
    update();
}

void FrameBox::clear()
{
    m_frame = QImage();
    update();
}

QRectF FrameBox::frameRect() const
{
    if (m_frame.isNull() || width() <= 0 || height() <= 0)
        return {};
    QSizeF size = m_frame.size();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0),
                  size);
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_frame.isNull()) {
        // The painter works in device pixels underneath, so a frame of twice the box's size
        // keeps its detail on a dense screen.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(frameRect(), m_frame);
    }
    if (hasFocus()) {
        // Space and the arrow keys work the animation while it has the focus; a dashed yellow
        // line over a black one shows on light frames and on the dark page alike.
        const QRect edge = rect().adjusted(1, 1, -2, -2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(edge);
        p.setPen(QPen(Qt::yellow, 2, Qt::DashLine));
        p.drawRect(edge);
    }
}
