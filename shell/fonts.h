#pragma once
// The pages are designed with Tahoma, Times New Roman, Arial and Symbol. Debian serves
// metric-compatible faces; Tahoma and Symbol come from a folder that fontconfig does not
// search, so they are registered with Qt, when fontconfig does not know them, as a page first
// asks for them (design(), hasSymbolFont()) or when registerDesignFonts() is called.

#include <QFont>
#include <QString>

namespace fonts {

// Safe to call more than once; does nothing for a family already known.
void registerDesignFonts();

// A font as the pages name it: family, size in points, bold or regular.
QFont design(const QString& family, double pointSize, bool bold = false);

// True when a face drawing "p" as the Greek letter pi is available under the name "Symbol".
bool hasSymbolFont();

} // namespace fonts
