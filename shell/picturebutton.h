#pragma once
// A command button whose face is a picture. It has no caption, so whoever creates one gives it
// an accessible name and a tooltip that say what it does. Enter presses it while it has the
// focus, as Space does. Without a face (the picture missing or unreadable) it shows its
// accessible name as its caption, so that the page stays usable.

#include <QImage>
#include <QPushButton>

class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // Names the button and gives it its key; the tooltip and the accessible description say
    // both, so that the key is no secret ("Check my answer (Alt+C)").
    void describe(const QString& what, QKeyCombination key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
