#pragma once
// A box that shows one picture, scaled smoothly to fit the box with its proportions kept and
// centred in it; a twice-size copy read for a dense screen lands on the screen's pixels one for
// one. Empty until given one. A box that takes the keyboard focus (the animation box) shows
// plainly when it has it.

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // Where the picture lands in the box, in the box's own coordinates.
    QRectF pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
