#pragma once
// The parts the pages over the records share, so that they look and behave alike: labels in the
// pages' yellow, text buttons whose focus frame shows on the pages' blue, and the exit button.

#include <QColor>

class PictureButton;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace pageparts {

extern const QString kTahoma;
// The pages' text colour, and the focus frame's: the answer box's focus colour.
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kFocus{255, 170, 0};

// A plain-text label in Tahoma at `pointSize`, in the pages' yellow.
QLabel* label(QWidget* page, const char* name, double pointSize, bool bold = false);
// A text button in Tahoma 10, its focus frame in the answer box's focus colour.
QPushButton* button(QWidget* page, const char* name, const QString& text);
// The page's exit button, with the language's access key of the exit face.
PictureButton* exitButton(QWidget* page, const QString& what);

} // namespace pageparts
