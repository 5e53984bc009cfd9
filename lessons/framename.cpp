#include "framename.h"

QString frameFileName(const QString& stem, int number, const QString& ext)
{
    return stem + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) + ext;
}
