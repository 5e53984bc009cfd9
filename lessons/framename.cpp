#include "framename.h"

#include <algorithm>

QString frameFileName(const QString& stem, int number, const QString& ext)
{
    return stem + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) + ext;
}

QString twiceSizeName(const QString& fileName)
{
    const qsizetype folderEnd = std::max(fileName.lastIndexOf(QLatin1Char('\\')),
                                         fileName.lastIndexOf(QLatin1Char('/')));
    qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= folderEnd)
        dot = fileName.size();
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}
