#pragma once
// The shell's pictures: button faces, the logo, the menu background, the desktop icons
// and the title animation.

#include <QImage>
#include <QString>

namespace art {

// Button face of 238 by 66 pixels, twice the 119 by 33 button: an icon and the word saying what
// the button does, the letter after '&' underlined ("E&xit").
enum class ButtonIcon { Exit, Next, Answer, Check, Jotter };
QImage buttonFace(ButtonIcon icon, const QString& word);

// The program's emblem (a paper cone inside a circle) filling a square of `size` pixels
// on a transparent ground.
QImage emblem(int size);
QImage logo();            // 200 by 278, twice its place on the menu
// The menu page's 800 by 600 backdrop, drawn at `scale` times that size.
QImage menuBackground(int scale);

bool drawShellPictures(const QString& outDir, const QString& sheetsDir);

} // namespace art
