// Picture lookup and reading: names as the pages write them must find the generated files on a
// case-sensitive file system, and nothing that can happen to a file may do more than fail.

#include "../common/fixtures.h"
#include "pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <array>

namespace {

// Writes a 256-colour GIF the way the artwork tool does. Colour numbers run along x and down y.
bool writeGif(const QString& path, QSize size)
{
    std::array<GifColorType, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType(i / 2)};
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, true);
    bool ok = map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(std::size_t(size.width()));
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            line[std::size_t(x)] = GifPixelType((x + 2 * y) % 256);
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

// `bytes` with the picture's own width and height both replaced by 40000, written as the format
// stores them: what a picture saved wrongly, or a prank, can claim (six gigabytes decoded).
QByteArray claimingHugeSize(QByteArray bytes, bool gif)
{
    auto put = [&bytes](qsizetype at, bool littleEndian) {
        const quint16 huge = 40000;
        bytes[at] = char(littleEndian ? huge & 0xFF : huge >> 8);
        bytes[at + 1] = char(littleEndian ? huge >> 8 : huge & 0xFF);
    };
    if (gif) {
        put(6, true);   // the screen
        put(8, true);
        const qsizetype image = bytes.indexOf(',', 13 + 3 * 256);
        put(image + 5, true);
        put(image + 7, true);
    } else {
        const qsizetype frame = bytes.indexOf("\xFF\xC0");
        put(frame + 5, false);
        put(frame + 7, false);
    }
    return bytes;
}

QByteArray jpegBytes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
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
        QTest::newRow("gif claiming 40000 by 40000") << claimingHugeSize(gif, true);
        QTest::newRow("jpeg claiming 40000 by 40000") << claimingHugeSize(jpegBytes({64, 48}), false);
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

    // A screen of more than one device pixel to a pixel gets the twice-size copy, marked as
    // such, when it can be read; any other screen, and a missing or broken copy, the picture.
    void readsTwiceSizeCopyOnDenseScreens_data()
    {
        QTest::addColumn<qreal>("density");
        QTest::addColumn<QByteArray>("copy");  // content of circle07@2x.jpg, "" for none
        QTest::addColumn<bool>("pictureThere");
        QTest::addColumn<QSize>("size");       // of the image read, 0 x 0 for none
        QTest::addColumn<qreal>("ratio");
        const QByteArray twice = jpegBytes({648, 488});
        QTest::newRow("plain screen") << 1.0 << twice << true << QSize(324, 244) << 1.0;
        QTest::newRow("twice the density") << 2.0 << twice << true << QSize(648, 488) << 2.0;
        QTest::newRow("one and a half") << 1.5 << twice << true << QSize(648, 488) << 2.0;
        QTest::newRow("copy missing") << 2.0 << QByteArray() << true << QSize(324, 244) << 1.0;
        QTest::newRow("copy broken") << 2.0 << twice.left(40) << true << QSize(324, 244) << 1.0;
        QTest::newRow("copy only, dense") << 2.0 << twice << false << QSize(648, 488) << 2.0;
        QTest::newRow("copy only, plain") << 1.0 << twice << false << QSize(0, 0) << 1.0;
    }
    void readsTwiceSizeCopyOnDenseScreens()
    {
        QFETCH(qreal, density);
        QFETCH(QByteArray, copy);
        QFETCH(bool, pictureThere);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QString picture = m_root.filePath(QStringLiteral("circlesm/circle07.jpg"));
        const QString twice = m_root.filePath(QStringLiteral("circlesm/circle07@2x.jpg"));
        if (pictureThere)
            QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("circlesm/circle07.jpg"),
                                           Qt::darkCyan, {324, 244}));
        if (!copy.isEmpty()) {
            QFile f(twice);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(copy);
        }
        const QImage read = pictures::load(QStringLiteral("CIRCLESM\\circle07.jpg"), density);
        QFile::remove(picture);
        QFile::remove(twice);
        QCOMPARE(read.size(), size);
        if (!read.isNull()) {
            QCOMPARE(read.devicePixelRatio(), ratio);
            QVERIFY(fixtures::sameColour(fixtures::centreColour(read), Qt::darkCyan));
        }
    }

    // Damaged codes inside an intact GIF (the cylinder's frames are GIFs) read as nothing or
    // as a whole picture, never past the end of the picture (the sanitizer build checks the
    // memory).
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
        const QImage picture = pictures::load(QStringLiteral("cylindsm\\cylind43.gif"));
        QVERIFY(picture.isNull() || picture.size() == QSize(64, 48));
        QFile::remove(f.fileName());
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
