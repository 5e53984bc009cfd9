#include "labelbutton.h"

#include <QPainter>

LabelButton::LabelButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Enter presses it while it has the focus, as Space does.
    setAutoDefault(true);
    setCursor(Qt::PointingHandCursor);
}

void LabelButton::setOpaque(bool opaque)
{
    if (m_opaque == opaque)
        return;
    m_opaque = opaque;
    update();
}

void LabelButton::setBorder(bool border)
{
    m_border = border;
    update();
}

void LabelButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LabelButton::setTextColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void LabelButton::setFillColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void LabelButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_opaque)
        p.fillRect(rect(), palette().color(QPalette::Window));
    if (m_border) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // A disabled entry is drawn greyed, embossed as a disabled caption is.
    if (!isEnabled()) {
        p.setPen(QColor(255, 255, 255, 160));
        p.drawText(rect().translated(1, 1), int(m_alignment) | Qt::TextWordWrap, text());
        p.setPen(QColor(128, 128, 128));
    } else {
        p.setPen(palette().color(QPalette::WindowText));
    }
    p.drawText(rect(), int(m_alignment) | Qt::TextWordWrap, text());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
