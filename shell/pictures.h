#pragma once
// Finding and reading the program's picture files.
//
// Pages name pictures the way they were designed, with a backslash between folder and file and
// without regard to case ("Images\exit.jpg", "images\check.jpg"). On a case-sensitive file
// system each component is matched against the real names in its folder. Pictures are read
// afresh on every call: nothing is cached, so a picture replaced on disk shows at once.

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

// Reads a picture. Returns a null image when the file is missing, empty, truncated or not a
// picture; the caller decides how to go on. Never throws.
QImage load(const QString& designPath);

// Reads a picture that will be shown fitted inside `shownIn` device pixels. A JPEG at least
// twice its fitted size is decoded straight to that size (the decoder halves it for less work
// than a whole decode), which spares the scaling in every paint too. A GIF at least twice its
// fitted size is read at half its size, each pixel the mean of a 2x2 block, in the same pass
// that looks up its colours. Any other picture is read whole, as load() reads it.
QImage load(const QString& designPath, const QSize& shownIn);

} // namespace pictures
