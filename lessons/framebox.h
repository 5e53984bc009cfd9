#pragma once
// The picture box that shows an animation frame. Frames are drawn at twice the box's size so
// that they stay sharp on dense screens; any frame is scaled smoothly to fit the box, keeping
// its proportions, and centred in it. It shows plainly when it has the keyboard focus.

#include <QImage>
#include <QWidget>

class FrameBox : public QWidget {
    Q_OBJECT
public:
    explicit FrameBox(QWidget* parent = nullptr);

    void setFrame(const QImage& frame);
    void clear();
    const QImage& frame() const { return m_frame; }

    // Where the frame lands in the box, in the box's own coordinates.
    QRectF frameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_frame;
};
