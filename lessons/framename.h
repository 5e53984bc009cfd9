#pragma once
// Naming the program's picture files: the frames of a sequence, and the twice-size copy that
// sits beside every picture for dense screens.

#include <QString>

// The file of frame `number`: the stem, the number with at least two digits, the extension
// ("circlesm\circle", 7, ".jpg" gives "circlesm\circle07.jpg"). A stem may end in digits of
// its own ("mobiussm\bstr00", 12 gives "mobiussm\bstr0012.jpg").
QString frameFileName(const QString& stem, int number, const QString& ext);

// The twice-size copy of a picture, under Qt's "@2x" name: "circlesm\circle07.jpg" gives
// "circlesm\circle07@2x.jpg". A dot in a folder's name is not taken for the extension's.
QString twiceSizeName(const QString& fileName);
