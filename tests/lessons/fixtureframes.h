#pragma once
// Frame files for tests: every frame a small solid picture whose red component is its frame
// number and whose green component tells the sequences apart, so a test can tell from the
// picture on show which file it came from.

#include "pictures.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

class FixtureFrames {
public:
    FixtureFrames() { pictures::setSearchRoots({m_dir.path()}); }
    ~FixtureFrames() { pictures::setSearchRoots({}); }

    // Writes frames 0 .. count-1 of `folder\stem` as files named the way the pages name them.
    // The content is PNG whatever the extension says: pictures are read by content.
    void write(const QString& folder, const QString& stem, const QString& ext, int count,
               int tag, QSize size = QSize(4, 4))
    {
        QDir(m_dir.path()).mkpath(folder);
        for (int k = 0; k < count; ++k) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour(k, tag));
            image.save(path(folder, stem, k, ext), "PNG");
        }
    }

    // Replaces a frame's file with these bytes (empty: delete the file).
    void spoil(const QString& folder, const QString& stem, int k, const QString& ext,
               const QByteArray& bytes)
    {
        const QString p = path(folder, stem, k, ext);
        QFile::remove(p);
        if (bytes.isEmpty())
            return;
        QFile f(p);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    static QColor colour(int frame, int tag) { return QColor(frame, tag, 0); }

    QString root() const { return m_dir.path(); }

private:
    QString path(const QString& folder, const QString& stem, int k, const QString& ext) const
    {
        return m_dir.path() + QLatin1Char('/') + folder + QLatin1Char('/') + stem
            + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')) + ext;
    }

    QTemporaryDir m_dir;
};

// The frame a FrameBox shows, as (frame number, tag), or (-1, -1) when it shows none.
inline QPair<int, int> shownFrame(const QImage& frame)
{
    if (frame.isNull())
        return {-1, -1};
    const QColor c = frame.pixelColor(0, 0);
    return {c.red(), c.green()};
}
