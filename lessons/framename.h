#pragma once
// Naming the picture files of a frame sequence.

#include <QString>

// The file of frame `number`: the stem, the number with at least two digits, the extension
// ("circlesm\circle", 7, ".jpg" gives "circlesm\circle07.jpg"). A stem may end in digits of
// its own ("mobiussm\bstr00", 12 gives "mobiussm\bstr0012.jpg").
QString frameFileName(const QString& stem, int number, const QString& ext);
