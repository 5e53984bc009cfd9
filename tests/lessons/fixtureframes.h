#pragma once
// Frame files for tests: each frame a small solid picture whose red component is its frame
// number and whose green component tells the sequences apart, so the picture on show says
// which file it came from. Pictures are read by content, so PNG data serves for any extension.

#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

class FixtureFrames {
public:
    FixtureFrames() { pictures::setSearchRoots({m_dir.path()}); }
    ~FixtureFrames() { pictures::setSearchRoots({}); }

    void write(const QString& folder, const QString& stem, const QString& ext, int count, int tag)
    {
        QDir(m_dir.path()).mkpath(folder);
        for (int k = 0; k < count; ++k) {
            QImage image(4, 4, QImage::Format_RGB32);
            image.fill(QColor(k, tag, 0));
            image.save(path(folder, stem, k, ext), "PNG");
        }
    }

    // Replaces a frame's file with these bytes; no bytes: no file.
    void spoil(const QString& folder, const QString& stem, int k, const QString& ext,
               const QByteArray& bytes)
    {
        QFile file(path(folder, stem, k, ext));
        file.remove();
        if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QString path(const QString& folder, const QString& stem, int k, const QString& ext) const
    {
        return QStringLiteral("%1/%2/%3%4%5").arg(m_dir.path(), folder, stem)
            .arg(k, 2, 10, QLatin1Char('0')).arg(ext);
    }

    QTemporaryDir m_dir;
};

// The frame on show as (frame number, sequence tag); (-1, -1) for none.
inline QPair<int, int> shownFrame(const QImage& frame)
{
    if (frame.isNull())
        return {-1, -1};
    const QColor c = frame.pixelColor(0, 0);
    return {c.red(), c.green()};
}
