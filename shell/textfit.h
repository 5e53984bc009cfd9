#pragma once
// Texts that fit their boxes in every language. Pages are laid out at fixed places and sizes;
// a text longer than its box was designed for (a translation, mostly) wraps where its control
// wraps, and when it still does not fit, its font shrinks until it does, so that no text is
// ever cut off.

#include <QList>
#include <QRect>

class QWidget;

namespace textfit {

// Where the text of a label or button is drawn, and the room its text needs there at the
// widget's font. A widget without text needs no room.
struct Room {
    QRect box;
    QRect needed;
    bool fits() const { return needed.width() <= box.width() && needed.height() <= box.height(); }
};
Room room(const QWidget& w);

// Shrinks the font of a label or button whose text does not fit at its design size, half a
// point at a time, down to 6 points at the least. The design size is the size the widget had
// before its first fitting, or one that the page set since; a shorter text later gets it back.
void fit(QWidget& w);

// Gives a label or button a new design size, at which its text is set and from which fit()
// shrinks it.
void setDesignSize(QWidget& w, double pointSize);

// fit() for every label and button of a window.
void fitAll(QWidget& window);

// Fits a set of controls that read as one column at one size: the smallest that any of them
// needs, which becomes their design size.
void fitTogether(const QList<QWidget*>& widgets);

} // namespace textfit
