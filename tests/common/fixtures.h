#pragma once
// Small picture folders for tests: every picture a solid colour that encodes what it is, so a
// test can tell from the pixels which file a page showed.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

namespace fixtures {

// The colour that stands for picture number `n` of a series.
inline QColor colourFor(int n)
{
    return QColor::fromRgb((n * 37) % 256, (n * 91 + 40) % 256, (n * 53 + 90) % 256);
}

// Writes a solid picture to `relPath` (forward slashes) under `root`, folders included.
inline bool writePicture(const QString& root, const QString& relPath, const QColor& colour,
                         QSize size = {32, 24}, const char* format = nullptr)
{
    QDir(root).mkpath(QFileInfo(root + QLatin1Char('/') + relPath).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(root + QLatin1Char('/') + relPath, format, 100);
}

// Nearest palette entry wins: JPEG moves colours a little.
inline bool sameColour(const QColor& a, const QColor& b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

inline QColor centreColour(const QImage& image)
{
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace fixtures
