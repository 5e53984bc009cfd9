#include "output.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "canvas.h"
#include "framename.h"

namespace art {

bool writeGif(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);

    // The most frequent colours keep large areas exact; rare anti-aliasing shades map to
    // their nearest neighbour without the noise a dither would add.
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    std::vector<std::pair<int, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<QRgb> palette;
    for (const auto& [count, colour] : byCount) {
        if (palette.size() == 256)
            break;
        palette << colour;
    }
    const QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, palette,
                                               Qt::ThresholdDither);

    std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
    for (int i = 0; i < indexed.colorCount() && i < 256; ++i) {
        const QRgb c = indexed.color(i);
        colours[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)),
                                  GifByteType(qBlue(c))};
    }

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(indexed.width());
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::copy_n(indexed.constScanLine(y), indexed.width(), row.begin());
        ok = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    GifFreeMapObject(map);
    return ok;
}

bool writePicture(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return writeGif(image, path);
    QImageWriter writer(path, suffix == QLatin1String("png") ? "png" : "jpeg");
    if (suffix != QLatin1String("png")) {
        writer.setQuality(94);
        writer.setOptimizedWrite(true);
    }
    return writer.write(image.convertToFormat(suffix == QLatin1String("png")
                                                  ? QImage::Format_ARGB32
                                                  : QImage::Format_RGB32));
}

bool writeBothSizes(const QImage& twice, const QString& path)
{
    // Halving by the mean of each 2x2 block draws every line and edge as it would be drawn at
    // the smaller size, antialiased.
    const QImage shown = twice.scaled(twice.size() / 2, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    const bool twiceWritten = writePicture(twice, twiceSizeName(path));
    return writePicture(shown, path) && twiceWritten;
}

void parallelFor(int count, const std::function<void(int)>& body)
{
    const int workers = std::clamp(int(std::thread::hardware_concurrency()), 1, count);
    std::atomic<int> next{0};
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&] {
            for (int i = next++; i < count; i = next++)
                body(i);
        });
    for (std::thread& t : threads)
        t.join();
}

namespace {

QImage contactSheet(const Sequence& sequence, const std::vector<QImage>& thumbs)
{
    const int columns = 5;
    const int rows = (int(thumbs.size()) + columns - 1) / columns;
    const QSize cell = thumbs.front().size();
    const int pad = 8, caption = 26, title = 40;
    QImage sheet(columns * (cell.width() + pad) + pad,
                 title + rows * (cell.height() + caption + pad) + pad, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    p.setFont(wordFont(22));
    p.drawText(QRect(pad, 0, sheet.width(), title), Qt::AlignVCenter,
               QLatin1String(sequence.frames().folder) + QLatin1Char('/')
                   + QLatin1String(sequence.frames().name) + QStringLiteral("NN")
                   + QLatin1String(sequence.frames().ext)
                   + QStringLiteral(", %1 frames").arg(sequence.frames().count));
    p.setFont(wordFont(18, false));
    for (int i = 0; i < int(thumbs.size()); ++i) {
        const int x = pad + (i % columns) * (cell.width() + pad);
        const int y = title + (i / columns) * (cell.height() + caption + pad);
        p.drawImage(x, y, thumbs[i]);
        p.drawText(QRect(x, y + cell.height(), cell.width(), caption), Qt::AlignCenter,
                   QStringLiteral("frame %1").arg(i * 5));
    }
    return sheet;
}

} // namespace

bool renderSequence(const Sequence& sequence, const QString& outDir, const QString& sheetsDir)
{
    const sequences::Sequence& frames = sequence.frames();
    QDir().mkpath(outDir + QLatin1Char('/') + QLatin1String(frames.folder));
    std::vector<QImage> thumbs((frames.count + 4) / 5);
    std::atomic<bool> ok{true};
    parallelFor(frames.count, [&](int frame) {
        const QImage image = sequence.draw(frame);
        const QString file = frames.frameFile(frame).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!writeBothSizes(image, outDir + QLatin1Char('/') + file))
            ok = false;
        if (frame % 5 == 0)
            thumbs[frame / 5] = image.scaled(image.size() / 3, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
    });
    if (!sheetsDir.isEmpty() && !thumbs.empty()) {
        if (!writePicture(contactSheet(sequence, thumbs),
                          sheetsDir + QLatin1Char('/') + QLatin1String(frames.folder)
                              + QStringLiteral(".png")))
            ok = false;
    }
    return ok;
}

} // namespace art
