#include "picturebutton.h"

#include <QPainter>
#include <QStyleOptionButton>

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
}

void PictureButton::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pressed faces sink by a pixel, as a raised button would.
    const QRect face = isDown() ? rect().translated(1, 1) : rect();
    p.drawImage(face, m_picture);
    if (!isEnabled())
        p.fillRect(rect(), QColor(128, 128, 128, 128));
    if (hasFocus()) {
        // Keyboard focus must be visible on a picture face too.
        QPen pen(Qt::yellow, 2, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
