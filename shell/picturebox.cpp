#include "picturebox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

QRectF PictureBox::pictureRect() const
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return {};
    QSizeF fitted = m_picture.size();
    fitted.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0),
                  fitted);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_picture.isNull()) {
        // The painter works in device pixels underneath, so a picture of twice the box's size
        // keeps its detail on a dense screen.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(pictureRect(), m_picture);
    }
    if (hasFocus()) {
        // Space and the arrow keys work the animation while it has the focus; a dashed yellow
        // line over a black one shows on light pictures and on the dark page alike.
        const QRect edge = rect().adjusted(1, 1, -2, -2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(edge);
        p.setPen(QPen(Qt::yellow, 2, Qt::DashLine));
        p.drawRect(edge);
    }
}
