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
    if (m_frame.isNull())
        return;
    QPainter p(this);
    // The painter works in device pixels underneath, so a frame of twice the box's size keeps
    // its detail on a dense screen.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(frameRect(), m_frame);
}
