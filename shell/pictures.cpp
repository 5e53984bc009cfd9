#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QScopeGuard>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

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

QImage load(const QString& designPath)
{
    return load(designPath, QSize());
}

namespace {

// Whether a picture of `full` size shown fitted inside `shownIn` needs no more than half of it.
bool halfIsEnough(const QSize& full, const QSize& shownIn)
{
    if (shownIn.isEmpty() || full.isEmpty())
        return false;
    const QSize fitted = full.scaled(shownIn, Qt::KeepAspectRatio);
    return 2 * fitted.width() <= full.width() && 2 * fitted.height() <= full.height();
}

// The cylinder's frames are GIFs, read at every tick of the animation; decoding them index by
// index spends most of a tick's budget. This reader takes the plain case that our artwork tool
// writes (one opaque image covering the whole picture): the file's structure is parsed by
// giflib, the codes are expanded here by copying runs, and the colours are looked up (and
// halved, for a small box) in one pass. Anything else goes to the general reader.
enum class GifOutcome { Read, Broken, NotOurs };

struct GifResult {
    GifOutcome outcome = GifOutcome::NotOurs;
    QImage image;
};

int readFromFile(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* file = static_cast<QFile*>(gif->UserData);
    const qint64 got = file->read(reinterpret_cast<char*>(buffer), length);
    return got < 0 ? 0 : int(got);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// A picture larger than this is left to the general reader, which enforces its own limits.
constexpr qint64 kMostGifPixels = 64LL * 1024 * 1024;
// Working room kept between reads, enough for frames of four times the cylinder's size.
constexpr std::size_t kMostKeptBytes = 4 * 1024 * 1024;

// Expands a GIF image's compressed codes into `out` (one colour index per pixel, in the order
// the file stores the rows; `out` has kRunSlack bytes more). Each code stands for an earlier run of the output plus one index,
// so a run is copied from where it was first written rather than walked back index by index.
// False when the codes are damaged or end before every pixel has its index.
// Runs are mostly a few indices long, too short for a library copy to pay off; eight at a time,
// the last eight possibly past the run. The source always ends before the destination begins,
// and the output has kRunSlack bytes spare at its end.
constexpr qint64 kRunSlack = 8;

inline void copyRun(uchar* to, const uchar* from, qint64 length)
{
    for (qint64 i = 0; i < length; i += 8) {
        quint64 eight;
        std::memcpy(&eight, from + i, 8);
        std::memcpy(to + i, &eight, 8);
    }
}

bool expandCodes(const std::vector<uchar>& codes, int minCodeSize, uchar* out, qint64 pixels)
{
    if (minCodeSize < 2 || minCodeSize > 8)
        return false;
    constexpr int kMostCodes = 4096;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::array<qint64, kMostCodes> runStart{};
    std::array<int, kMostCodes> runLength{};
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    int previous = -1;
    qint64 previousStart = 0;
    qint64 pos = 0;
    quint64 bits = 0;
    int bitCount = 0;
    std::size_t in = 0;

    while (pos < pixels) {
        while (bitCount < codeSize) {
            if (in == codes.size())
                return false;
            bits |= quint64(codes[in++]) << bitCount;
            bitCount += 8;
        }
        const int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
            previous = -1;
            continue;
        }
        if (code == endCode)
            return false;  // ended before the last pixel
        const qint64 here = pos;
        if (code < clearCode) {
            out[pos++] = uchar(code);
        } else if (code < nextCode && previous >= 0) {
            const qint64 length = std::min<qint64>(runLength[std::size_t(code)], pixels - pos);
            copyRun(out + pos, out + runStart[std::size_t(code)], length);
            pos += length;
        } else if (code == nextCode && previous >= 0) {
            // The code being defined right now: the previous run and its own first index.
            const qint64 length = std::min<qint64>(runLength[std::size_t(previous)], pixels - pos);
            copyRun(out + pos, out + previousStart, length);
            pos += length;
            if (pos < pixels)
                out[pos++] = out[previousStart];
        } else {
            return false;  // a code not yet defined
        }
        if (previous >= 0 && nextCode < kMostCodes) {
            // The previous run followed by the first index of this one lies in the output
            // already, unbroken, from where the previous run starts.
            runStart[std::size_t(nextCode)] = previousStart;
            runLength[std::size_t(nextCode)] = runLength[std::size_t(previous)] + 1;
            ++nextCode;
            if (nextCode == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        if (code < clearCode) {
            runStart[std::size_t(code)] = here;
            runLength[std::size_t(code)] = 1;
        }
        previous = code;
        previousStart = here;
    }
    return true;
}

// The colour of each index, opaque.
void lookUpRow(const uchar* indices, const std::array<QRgb, 256>& colours, QRgb* out, int width)
{
    for (int x = 0; x < width; ++x)
        out[x] = colours[indices[x]];
}

// Every 2x2 block of indices becomes one pixel, the mean of its four colours.
void halveRows(const uchar* top, const uchar* bottom, const std::array<QRgb, 256>& colours,
               QRgb* out, int halfWidth)
{
    for (int x = 0; x < halfWidth; ++x) {
        const QRgb a = colours[top[2 * x]], b = colours[top[2 * x + 1]];
        const QRgb c = colours[bottom[2 * x]], d = colours[bottom[2 * x + 1]];
        // Red and blue add up side by side in one word, green in another; four 8-bit values
        // never carry into the next lane.
        const quint32 redBlue = (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu);
        const quint32 green = (a & 0xFF00u) + (b & 0xFF00u) + (c & 0xFF00u) + (d & 0xFF00u);
        out[x] = 0xFF000000u | (((redBlue + 0x20002u) >> 2) & 0xFF00FFu)
                 | (((green + 0x200u) >> 2) & 0xFF00u);
    }
}

GifResult readGif(QFile& file, const QSize& shownIn)
{
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&file, readFromFile, &error));
    if (!gif)
        return {error == D_GIF_ERR_NOT_GIF_FILE ? GifOutcome::NotOurs : GifOutcome::Broken, {}};
    const int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0 || qint64(width) * height > kMostGifPixels)
        return {};

    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK)
            return {GifOutcome::Broken, {}};
        if (record == TERMINATE_RECORD_TYPE)
            return {GifOutcome::Broken, {}};  // no image at all
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK)
                return {GifOutcome::Broken, {}};
            // A transparent colour needs the general reader's handling.
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 1 && (block[1] & 0x01))
                return {};
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK)
                    return {GifOutcome::Broken, {}};
            }
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif.get()) != GIF_OK)
            return {GifOutcome::Broken, {}};
        const GifImageDesc& desc = gif->Image;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        // A first image smaller than the picture leaves a background to fill: not our case.
        if (desc.Left != 0 || desc.Top != 0 || desc.Width != width || desc.Height != height || !map)
            return {};

        // Indices past the end of the colour map show black rather than whatever lies beyond.
        std::array<QRgb, 256> colours;
        colours.fill(qRgb(0, 0, 0));
        for (int i = 0; i < map->ColorCount && i < 256; ++i)
            colours[std::size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);

        // The compressed codes, gathered from their blocks; the decoding is ours.
        int minCodeSize = 0;
        GifByteType* block = nullptr;
        if (DGifGetCode(gif.get(), &minCodeSize, &block) != GIF_OK)
            return {GifOutcome::Broken, {}};
        // The two working buffers are kept from frame to frame (only their room, never a
        // frame's content): fresh room at every tick costs more than the expansion.
        thread_local std::vector<uchar> codes;
        thread_local std::vector<uchar> stored;
        codes.clear();
        while (block) {
            codes.insert(codes.end(), block + 1, block + 1 + block[0]);
            if (DGifGetCodeNext(gif.get(), &block) != GIF_OK)
                return {GifOutcome::Broken, {}};
        }
        const qint64 pixels = qint64(width) * height;
        stored.resize(static_cast<std::size_t>(pixels + kRunSlack));
        const bool expanded = expandCodes(codes, minCodeSize, stored.data(), pixels);
        // A picture far larger than a frame does not keep its room after it is read.
        const auto release = qScopeGuard([] {
            if (stored.capacity() > kMostKeptBytes)
                std::vector<uchar>().swap(stored);
        });
        if (!expanded)
            return {GifOutcome::Broken, {}};

        // Row y of the picture, wherever the file stored it.
        std::vector<int> storedRow(static_cast<std::size_t>(height));
        if (desc.Interlace) {
            int next = 0;
            for (const auto& [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = first; y < height; y += step)
                    storedRow[std::size_t(y)] = next++;
            }
        } else {
            for (int y = 0; y < height; ++y)
                storedRow[std::size_t(y)] = y;
        }
        auto row = [&](int y) { return stored.data() + qint64(storedRow[std::size_t(y)]) * width; };

        const bool half = width >= 2 && height >= 2 && halfIsEnough(QSize(width, height), shownIn);
        QImage image(half ? width / 2 : width, half ? height / 2 : height, QImage::Format_RGB32);
        if (image.isNull())
            return {GifOutcome::Broken, {}};
        for (int y = 0; y < image.height(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            if (half)
                halveRows(row(2 * y), row(2 * y + 1), colours, out, image.width());
            else
                lookUpRow(row(y), colours, out, width);
        }
        return {GifOutcome::Read, image};
    }
}

} // namespace

QImage load(const QString& designPath, const QSize& shownIn)
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
    // The content decides, not the name: a JPEG may sit under a .gif name and the other way round.
    if (file.peek(3) == "GIF") {
        GifResult gif = readGif(file, shownIn);
        if (gif.outcome == GifOutcome::Read)
            return gif.image;
        if (gif.outcome == GifOutcome::Broken) {
            qCInfo(lcPictures) << "picture not readable:" << path << "broken GIF";
            return {};
        }
        if (!file.seek(0))
            return {};
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    // Only JPEG shrinks inside its decoder; other formats would decode whole and then scale,
    // which costs more than letting the painter scale.
    if (!shownIn.isEmpty() && reader.format() == "jpeg") {
        const QSize full = reader.size();
        if (full.isValid() && halfIsEnough(full, shownIn))
            reader.setScaledSize(full.scaled(shownIn, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull())
        qCInfo(lcPictures) << "picture not readable:" << path << reader.errorString();
    return image;
}

} // namespace pictures
