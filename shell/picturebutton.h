#pragma once
// A command button whose face is a picture. It has no caption, so whoever creates one gives it
// an accessible name and a tooltip that say what it does. Enter presses it while it has the
// focus, as Space does.

#include <QImage>
#include <QPushButton>

class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
