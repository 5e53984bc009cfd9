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

// Each family is looked for once, when a page first asks for it: the title page uses
// neither, and reading the faces would only delay its first paint.
void registerTahoma()
{
    static const bool done = (addIfMissing(QStringLiteral("Tahoma"), {"tahoma.ttf", "tahomabd.ttf"}), true);
    Q_UNUSED(done);
}

void registerSymbol()
{
    static const bool done = (addIfMissing(QStringLiteral("Symbol"), {"symbol.ttf"}), true);
    Q_UNUSED(done);
}

} // namespace

void registerDesignFonts()
{
    registerTahoma();
    registerSymbol();
}

QFont design(const QString& family, double pointSize, bool bold)
{
    if (family.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        registerTahoma();
    else if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        registerSymbol();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Never fall back to a synthesised face silently changing the metrics of a design.
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool hasSymbolFont()
{
    registerSymbol();
    return known(QStringLiteral("Symbol"));
}

} // namespace fonts
