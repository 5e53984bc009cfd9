#pragma once
// A box that shows one picture, scaled smoothly to the box with its proportions kept, so that
// pictures drawn at twice the box size stay sharp on high-density screens. Empty until given one.

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
