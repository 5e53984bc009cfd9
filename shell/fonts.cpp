#include "fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace fonts {
namespace {

bool known(const QString& family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void addIfMissing(const QString& family, std::initializer_list<const char*> files)
{
    if (known(family))
        return;
    for (const char* file : files) {
        const QString path = QLatin1String("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

} // namespace

void registerDesignFonts()
{
    addIfMissing(QStringLiteral("Tahoma"), {"tahoma.ttf", "tahomabd.ttf"});
    addIfMissing(QStringLiteral("Symbol"), {"symbol.ttf"});
}

QFont design(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Never fall back to a synthesised face silently changing the metrics of a design.
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool hasSymbolFont()
{
    return known(QStringLiteral("Symbol"));
}

} // namespace fonts
