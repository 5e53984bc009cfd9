#pragma once
// A command button whose face is a picture. It has no caption, so whoever creates one gives it
// an accessible name and a tooltip that say what it does.

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
    // Enter presses a focused picture button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_picture;
};
