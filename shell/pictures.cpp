#include "pictures.h"

#include "framename.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

// Off by default; QT_LOGGING_RULES="vornash.pictures.info=true" lists every picture not found.
Q_LOGGING_CATEGORY(lcPictures, "vornash.pictures", QtWarningMsg)

namespace pictures {
namespace {

QStringList& customRoots()
{
    static QStringList roots;
    return roots;
}

// One component of a path: the exact name when it exists, otherwise the first entry of the
// folder whose name matches without regard to case.
QString matchComponent(const QDir& dir, const QString& name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

QString resolveUnder(const QString& root, const QStringList& parts)
{
    QDir dir(root);
    if (!dir.exists())
        return {};
    QString path = dir.absolutePath();
    for (int i = 0; i < parts.size(); ++i) {
        const QString found = matchComponent(QDir(path), parts.at(i));
        if (found.isEmpty())
            return {};
        path += QLatin1Char('/') + found;
    }
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace

void setSearchRoots(const QStringList& roots)
{
    customRoots() = roots;
}

QStringList searchRoots()
{
    if (!customRoots().isEmpty())
        return customRoots();
    QStringList roots{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        roots << appDir << QDir(appDir).absoluteFilePath(QStringLiteral("../share/vornash"));
    }
    roots << QStringLiteral(VORNASH_DATADIR);
    roots.removeDuplicates();
    return roots;
}

QString resolve(const QString& designPath)
{
    QStringList parts = QString(designPath).replace(QLatin1Char('\\'), QLatin1Char('/'))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty() || parts.contains(QStringLiteral("..")))
        return {};
    for (const QString& root : searchRoots()) {
        const QString path = resolveUnder(root, parts);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

namespace {

// No picture of the program comes near this once decoded (the largest, the menu's twice-size
// backdrop, takes 8 MB); a file claiming more is refused before any of it is decoded.
constexpr int kMostDecodedMegabytes = 32;

// Qt shows a GIF that was cut short with its missing rows blank. A frame cut short counts as
// unreadable instead, so that the player keeps the last good frame on show; a whole GIF ends in
// its trailer byte.
bool cutShortGif(QFile& file)
{
    return !file.seek(file.size() - 1) || file.read(1) != ";";
}

QImage read(const QString& designPath)
{
    const QString path = resolve(designPath);
    if (path.isEmpty()) {
        qCInfo(lcPictures) << "picture not found:" << designPath;
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(lcPictures) << "picture not readable:" << path << file.errorString();
        return {};
    }
    QImageReader reader(&file);
    // The content decides, not the name: a JPEG may sit under a .gif name and the other way round.
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kMostDecodedMegabytes);
    const bool gif = reader.format() == "gif";  // the reader forgets it once it has read
    QImage image = reader.read();
    if (image.isNull()) {
        qCInfo(lcPictures) << "picture not readable:" << path << reader.errorString();
        return {};
    }
    if (gif && cutShortGif(file)) {
        qCInfo(lcPictures) << "picture not readable:" << path << "GIF cut short";
        return {};
    }
    return image;
}

} // namespace

QImage load(const QString& designPath, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QImage twice = read(twiceSizeName(designPath));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return read(designPath);
}

} // namespace pictures
