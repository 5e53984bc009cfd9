#include "displays.h"

#include <QStringList>

namespace displays {

QList<Display> toTry(const std::function<QString(const char* name)>& environment)
{
    const QString x = environment("DISPLAY");
    const QString wayland = environment("WAYLAND_DISPLAY");
    QStringList platforms = environment("QT_QPA_PLATFORM").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (platforms.isEmpty()) {
        if (!wayland.isEmpty() || environment("XDG_SESSION_TYPE") == QLatin1String("wayland"))
            platforms << QStringLiteral("wayland");
        platforms << QStringLiteral("xcb");
    }
    QList<Display> found;
    for (const QString& entry : std::as_const(platforms)) {
        // "xcb:dpi=96": the platform's own arguments follow its name.
        const QString platform = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (platform == QLatin1String("xcb")) {
            if (!x.isEmpty())
                found.append({platform, x});
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            // The Wayland client library's own default when the variable is not set.
            found.append({platform, wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland});
        } else if (!platform.isEmpty()) {
            found.append({platform, QString()});
        }
    }
    return found;
}

} // namespace displays
