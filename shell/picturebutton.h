#pragma once
// A command button whose face is a picture. It has no caption, so whoever creates one gives it
// an accessible name and a tooltip that say what it does. Enter presses it while it has the
// focus, as Space does. Without a face (the picture missing or unreadable) it shows its
// accessible name as its caption, so that the page stays usable.

#include "facewords.h"

#include <QImage>
#include <QKeySequence>
#include <QPushButton>

class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // Names the button and gives it the key its face underlines in the language in use: Alt
    // and the letter marked in the face's word. The tooltip and the accessible description say
    // both, so that the key is no secret ("Check my answer (Alt+C)").
    void describe(const QString& what, facewords::Face face);

    // Gives each button its English key as well, where no button of the page has that key in
    // the language in use: with German faces Alt+X leaves as Alt+B does. A key that some other
    // button of the page has in that language stays that button's alone.
    static void keepEnglishKeys(const QList<PictureButton*>& page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QKeySequence m_englishKey;
};
