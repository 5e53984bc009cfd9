#pragma once
// Finding and reading the program's picture files.
//
// Pages name pictures the way they were designed, with a backslash between folder and file and
// without regard to case ("Images\exit.jpg", "images\check.jpg"). On a case-sensitive file
// system each component is matched against the real names in its folder. Pictures are read
// afresh on every call, by Qt's image reader: nothing is cached, so a picture replaced on disk
// shows at once.

#include <QImage>
#include <QString>
#include <QStringList>

namespace pictures {

// Folders searched in order: the working folder, the folder of the executable, and the
// installed data folder. Tests may replace the list; an empty list restores the default.
void setSearchRoots(const QStringList& roots);
QStringList searchRoots();

// The real path of a picture named as the pages name it, or an empty string when no root holds it.
QString resolve(const QString& designPath);

// Reads a picture for a screen of the given device pixel ratio. Above 1, the twice-size copy
// is read when it can be, with its device pixel ratio set to 2, so that it lands on the
// screen's pixels one for one; otherwise, and whenever the copy is missing or unreadable, the
// picture itself. Returns a null image when neither can be read (missing, empty, truncated,
// not a picture, or claiming a size far beyond any of the program's pictures); the caller
// decides how to go on. Never throws.
QImage load(const QString& designPath, qreal devicePixelRatio = 1.0);

} // namespace pictures
