// Picture lookup and reading: names as the pages write them must find the generated files on a
// case-sensitive file system, and nothing that can happen to a file may do more than fail.

#include "../common/fixtures.h"
#include "pictures.h"

#include <QFile>
#include <QImageReader>
#include <QtTest>

#include <gif_lib.h>

#include <array>

namespace {

// Colour number i of the test palette: every channel moves by at most two steps from one
// number to the next, so a mean of neighbours is close to any fair scaling of them, while rows
// or channels in the wrong place show at once.
GifColorType paletteColour(int i)
{
    return {GifByteType(i), GifByteType(255 - i), GifByteType(i / 2)};
}

// Writes a 256-colour GIF the way the artwork tool does, optionally interlaced or with a
// transparent colour. Colour numbers run along x and down y.
bool writeGif(const QString& path, QSize size, bool interlaced = false, int transparent = -1,
              std::optional<QColor> solid = std::nullopt)
{
    QDir().mkpath(QFileInfo(path).path());
    std::array<GifColorType, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = paletteColour(i);
    if (solid)
        colours[0] = {GifByteType(solid->red()), GifByteType(solid->green()), GifByteType(solid->blue())};
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, true);
    bool ok = map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
    if (ok && transparent >= 0) {
        const GifByteType control[4] = {0x01, 0, 0, GifByteType(transparent)};
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), interlaced, nullptr) == GIF_OK;
    QList<int> rows;
    if (interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < size.height(); y += step)
                rows << y;
    } else {
        for (int y = 0; y < size.height(); ++y)
            rows << y;
    }
    std::vector<GifPixelType> line(std::size_t(size.width()));
    for (int y : rows) {
        for (int x = 0; x < size.width(); ++x)
            line[std::size_t(x)] = solid ? 0 : GifPixelType((x + 2 * y) % 256);
        ok = ok && EGifPutLine(gif, line.data(), size.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

QByteArray gifBytes(QSize size)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.gif"));
    QFile f(path);
    return writeGif(path, size) && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The largest difference in any channel, alpha included, between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return worst;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QTemporaryDir m_second;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_second.isValid());
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/exit.jpg"), Qt::red));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("mobiussm/bstr0007.jpg"), Qt::green));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("cylindsm/cylind00.gif"), Qt::blue,
                                       {32, 24}, "GIF")
                || fixtures::writePicture(m_root.path(), QStringLiteral("cylindsm/cylind00.gif"), Qt::blue,
                                          {32, 24}, "PNG"));
        QVERIFY(fixtures::writePicture(m_second.path(), QStringLiteral("Images/logo2.jpg"), Qt::cyan));
        QVERIFY(fixtures::writePicture(m_second.path(), QStringLiteral("Images/exit.jpg"), Qt::magenta));
    }

    void init() { pictures::setSearchRoots({m_root.path(), m_second.path()}); }
    void cleanup() { pictures::setSearchRoots({}); }

    // Pages write folder names in either case and with a backslash.
    void resolvesDesignNames_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as generated") << "Images\\exit.jpg" << "Images/exit.jpg";
        QTest::newRow("lower-case folder") << "images\\exit.jpg" << "Images/exit.jpg";
        QTest::newRow("upper-case file") << "IMAGES\\EXIT.JPG" << "Images/exit.jpg";
        QTest::newRow("forward slash") << "Images/exit.jpg" << "Images/exit.jpg";
        QTest::newRow("stem ending in digits") << "mobiussm\\bstr0007.jpg" << "mobiussm/bstr0007.jpg";
        QTest::newRow("gif frame") << "cylindsm\\cylind00.gif" << "cylindsm/cylind00.gif";
    }
    void resolvesDesignNames()
    {
        QFETCH(QString, design);
        QFETCH(QString, expected);
        QCOMPARE(pictures::resolve(design), QDir(m_root.path()).absoluteFilePath(expected));
    }

    // The first root that holds a picture wins; a later root fills in what the first lacks.
    void searchesRootsInOrder()
    {
        QCOMPARE(fixtures::centreColour(pictures::load(QStringLiteral("Images\\exit.jpg"))).red() > 200, true);
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("images\\logo2.jpg"))),
                                     Qt::cyan));
    }

    void missingOrEscapingNamesFindNothing_data()
    {
        QTest::addColumn<QString>("design");
        QTest::newRow("missing file") << "Images\\next.jpg";
        QTest::newRow("missing folder") << "nowhere\\exit.jpg";
        QTest::newRow("folder, not file") << "Images";
        QTest::newRow("empty") << "";
        QTest::newRow("parent folder") << "..\\Images\\exit.jpg";
    }
    void missingOrEscapingNamesFindNothing()
    {
        QFETCH(QString, design);
        QVERIFY(pictures::resolve(design).isEmpty());
        QVERIFY(pictures::load(design).isNull());
    }

    // Whatever has happened to a file, reading it fails quietly.
    void brokenFilesReadAsNull_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("truncated jpeg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
        QTest::newRow("text") << QByteArray("not a picture at all");
        const QByteArray gif = gifBytes({64, 48});
        QVERIFY(gif.size() > 100);
        QTest::newRow("gif signature only") << QByteArray("GIF89a");
        QTest::newRow("gif cut after its header") << gif.left(13);
        QTest::newRow("gif cut in its pixels") << gif.left(gif.size() / 2);
        QTest::newRow("gif without its last pixels") << gif.left(gif.size() - 20);
    }
    void brokenFilesReadAsNull()
    {
        QFETCH(QByteArray, content);
        QFile f(m_root.filePath(QStringLiteral("Images/answer.jpg")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        QVERIFY(pictures::load(QStringLiteral("Images\\answer.jpg")).isNull());
    }

    // A picture replaced on disk shows at once: nothing is cached between reads.
    void readsAfreshEachTime()
    {
        const QString name = QStringLiteral("Images/next.jpg");
        QVERIFY(fixtures::writePicture(m_root.path(), name, Qt::yellow));
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("Images\\next.jpg"))),
                                     Qt::yellow));
        QVERIFY(fixtures::writePicture(m_root.path(), name, Qt::darkBlue));
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("Images\\next.jpg"))),
                                     Qt::darkBlue));
        QFile::remove(m_root.filePath(name));
    }

    // A picture of another format under the expected name is still read by its content.
    void formatFollowsContent()
    {
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/check.jpg"), Qt::white,
                                       {8, 8}, "PNG"));
        QCOMPARE(pictures::load(QStringLiteral("images\\check.jpg")).size(), QSize(8, 8));
    }

    // A picture shown in a smaller box is read at its fitted size only when it is a JPEG at
    // least twice that size; everything else is read whole. Its colour survives either way.
    void readsAtTheShownSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("shownIn");
        QTest::addColumn<QSize>("expected");
        const QString jpeg = QStringLiteral("torusssm/toruss07.jpg");
        QTest::newRow("jpeg at twice the box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(324, 244);
        QTest::newRow("jpeg in a taller box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                              << QSize(324, 400) << QSize(324, 244);
        QTest::newRow("jpeg under twice the box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                                  << QSize(400, 300) << QSize(648, 488);
        QTest::newRow("jpeg smaller than the box") << jpeg << QByteArray("JPEG") << QSize(64, 48)
                                                   << QSize(324, 244) << QSize(64, 48);
        QTest::newRow("no box") << jpeg << QByteArray("JPEG") << QSize(648, 488) << QSize()
                                << QSize(648, 488);
        QTest::newRow("png under a jpeg name") << jpeg << QByteArray("PNG") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(648, 488);
        const QString gif = QStringLiteral("cylindsm/cylind07.gif");
        QTest::newRow("gif at twice the box") << gif << QByteArray("GIF") << QSize(648, 488)
                                              << QSize(324, 244) << QSize(324, 244);
        QTest::newRow("gif under twice the box") << gif << QByteArray("GIF") << QSize(648, 488)
                                                 << QSize(400, 300) << QSize(648, 488);
        QTest::newRow("gif, no box") << gif << QByteArray("GIF") << QSize(648, 488) << QSize()
                                     << QSize(648, 488);
        QTest::newRow("jpeg under a gif name") << gif << QByteArray("JPEG") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(324, 244);
        QTest::newRow("png under a gif name") << gif << QByteArray("PNG") << QSize(648, 488)
                                              << QSize(324, 244) << QSize(648, 488);
        QTest::newRow("gif under a jpeg name") << jpeg << QByteArray("GIF") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(324, 244);
    }
    void readsAtTheShownSize()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QSize, stored);
        QFETCH(QSize, shownIn);
        QFETCH(QSize, expected);
        if (format == "GIF")
            QVERIFY(writeGif(m_root.filePath(file), stored, false, -1, QColor(Qt::darkGreen)));
        else
            QVERIFY(fixtures::writePicture(m_root.path(), file, Qt::darkGreen, stored, format.constData()));
        const QImage picture = pictures::load(QString(file).replace(QLatin1Char('/'), QLatin1Char('\\')),
                                              shownIn);
        QFile::remove(m_root.filePath(file));
        QCOMPARE(picture.size(), expected);
        QVERIFY(fixtures::sameColour(fixtures::centreColour(picture), Qt::darkGreen));
    }

    // Damaged codes inside an intact GIF read as nothing or as a whole picture, never past
    // the end of the picture (the sanitizer build checks the memory).
    void damagedGifCodesStayInside_data()
    {
        QTest::addColumn<double>("where");
        QTest::addColumn<int>("flip");
        for (double where : {0.1, 0.3, 0.5, 0.7, 0.9}) {
            for (int flip : {0xFF, 0x0F, 0x80}) {
                QTest::addRow("at %.0f %%, xor %02x", where * 100, flip) << where << flip;
            }
        }
    }
    void damagedGifCodesStayInside()
    {
        QFETCH(double, where);
        QFETCH(int, flip);
        QByteArray gif = gifBytes({64, 48});
        QVERIFY(gif.size() > 100);
        // Past the header and the colour map, before the last block.
        const int first = 13 + 3 * 256 + 11;
        const int at = first + int(where * (gif.size() - first - 24));
        for (int i = at; i < at + 16; ++i)
            gif[i] = char(gif[i] ^ flip);
        QFile f(m_root.filePath(QStringLiteral("cylindsm/cylind43.gif")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(gif);
        f.close();
        for (const QSize& shownIn : {QSize(), QSize(32, 24)}) {
            const QImage picture = pictures::load(QStringLiteral("cylindsm\\cylind43.gif"), shownIn);
            QVERIFY(picture.isNull() || picture.size() == (shownIn.isEmpty() ? QSize(64, 48) : shownIn));
        }
        QFile::remove(f.fileName());
    }

    // A GIF frame reads as the general reader reads it: whole, pixel for pixel; at half size,
    // within a few steps of the general reading smoothly scaled down.
    void readsGifLikeTheGeneralReader_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<QSize>("shownIn");
        QTest::addColumn<QSize>("expected");
        const QSize frame(64, 48);
        QTest::newRow("whole, no box") << frame << false << -1 << QSize() << frame;
        QTest::newRow("whole, box under twice") << frame << false << -1 << QSize(40, 30) << frame;
        QTest::newRow("half, box at half") << frame << false << -1 << QSize(32, 24) << QSize(32, 24);
        QTest::newRow("half, taller box") << frame << false << -1 << QSize(32, 40) << QSize(32, 24);
        QTest::newRow("half, odd size") << QSize(65, 49) << false << -1 << QSize(32, 24) << QSize(32, 24);
        QTest::newRow("interlaced, whole") << frame << true << -1 << QSize() << frame;
        QTest::newRow("interlaced, half") << frame << true << -1 << QSize(32, 24) << QSize(32, 24);
        QTest::newRow("transparent colour, whole") << frame << false << 40 << QSize() << frame;
        QTest::newRow("transparent colour, small box") << frame << false << 40 << QSize(32, 24) << frame;
    }
    void readsGifLikeTheGeneralReader()
    {
        QFETCH(QSize, stored);
        QFETCH(bool, interlaced);
        QFETCH(int, transparent);
        QFETCH(QSize, shownIn);
        QFETCH(QSize, expected);
        const QString file = m_root.filePath(QStringLiteral("cylindsm/cylind42.gif"));
        QVERIFY(writeGif(file, stored, interlaced, transparent));
        const QImage picture = pictures::load(QStringLiteral("cylindsm\\cylind42.gif"), shownIn);
        QImageReader reader(file);
        const QImage general = reader.read();
        QFile::remove(file);
        QVERIFY2(!general.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), expected);
        if (expected == stored)
            QCOMPARE(largestDifference(picture, general), 0);
        else
            QVERIFY(largestDifference(picture, general.scaled(expected, Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation)) <= 4);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
