#pragma once
// A label that the pupil can click: text in its own font and colour on a background that is
// either transparent or filled (a highlight, or a link drawn on black). It is a push button to
// the keyboard (Tab, Space, Enter) and to screen readers, whose name is the visible text.

#include <QPushButton>

class LabelButton : public QPushButton {
    Q_OBJECT
public:
    explicit LabelButton(const QString& text = {}, QWidget* parent = nullptr);

    // A filled background shows the Window colour of the palette behind the text.
    void setOpaque(bool opaque);
    bool isOpaque() const { return m_opaque; }
    void setBorder(bool border);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }
    void setTextColour(const QColor& colour);
    void setFillColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_opaque = false;
    bool m_border = false;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};
