// The pictures the build drew beside the program: every file the pages ask for is there at the
// size it is shown at and at twice that size, in the format its name promises, readable, and
// every animation plays smoothly and loops without a jump from its last frame to its first.

#include "framename.h"
#include "sequences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

QString binDir() { return QCoreApplication::applicationDirPath(); }

// The format as the file's first bytes tell it, whatever its name says.
QByteArray formatByContent(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    const QByteArray head = file.read(8);
    if (head.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    return "unknown";
}

QImage read(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// Mean absolute difference per colour channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                + std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return double(sum) / (3.0 * a.width() * a.height());
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shellPicture_data();
    void shellPicture();
    void sequence_data();
    void sequence();
};

// Both sizes of a picture: the picture itself at the size it is shown at, and beside it its
// twice-size copy under Qt's "@2x" name, in the same format.
void checkBothSizes(const QString& file, const QByteArray& format, QSize size, QImage* twice = nullptr)
{
    for (const QString& path : {file, twiceSizeName(file)}) {
        QCOMPARE(formatByContent(path), format);
        const QImage image = read(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), path == file ? size : 2 * size);
        if (twice && path != file)
            *twice = image;
    }
}

void PicturesTest::shellPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("twice");

    // Faces at the size of the buttons, the logo of its box, the backdrop of the menu page.
    for (const char* face : {"exit", "next", "answer", "check", "jotter"})
        QTest::newRow(face) << QStringLiteral("Images/%1.jpg").arg(QLatin1String(face))
                            << QByteArray("jpeg") << QSize(119, 33) << true;
    QTest::newRow("logo") << QStringLiteral("Images/logo2.jpg") << QByteArray("jpeg")
                          << QSize(100, 139) << true;
    QTest::newRow("menu backdrop") << QStringLiteral("conenw/conene00.jpg") << QByteArray("jpeg")
                                   << QSize(800, 600) << true;
    // The desktop's icons come in the sizes the desktop asks for.
    for (int n : {16, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", n) << QStringLiteral("icons/vornash-%1.png").arg(n)
                                    << QByteArray("png") << QSize(n, n) << false;
}

void PicturesTest::shellPicture()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, twice);
    const QString file = binDir() + QLatin1Char('/') + path;
    if (twice) {
        checkBothSizes(file, format, size);
        return;
    }
    QCOMPARE(formatByContent(file), format);
    const QImage image = read(file);
    QVERIFY2(!image.isNull(), qPrintable(file));
    QCOMPARE(image.size(), size);
}

// Every sequence of the program's table.
void PicturesTest::sequence_data()
{
    QTest::addColumn<int>("index");
    for (const sequences::Sequence& s : sequences::all())
        QTest::newRow(s.folder) << int(s.id);
}

void PicturesTest::sequence()
{
    QFETCH(int, index);
    const sequences::Sequence& s = sequences::get(sequences::Id(index));
    // The title's box on its window, the animation box on the lesson and problem pages.
    const QSize shown = s.id == sequences::Id::Title ? QSize(320, 240) : QSize(324, 244);
    const QByteArray format = QByteArray(s.ext + 1) == "gif" ? "gif" : "jpeg";
    auto name = [&](int k) {
        return binDir() + QLatin1Char('/') + s.frameFile(k).replace(QLatin1Char('\\'), QLatin1Char('/'));
    };

    std::vector<QImage> frames;
    for (int k = 0; k < s.count; ++k) {
        QImage twice;
        checkBothSizes(name(k), format, shown, &twice);
        if (QTest::currentTestFailed())
            return;
        frames.push_back(twice.convertToFormat(QImage::Format_RGB32));
    }
    // The player wraps after the last frame; a stray extra frame would mean a wrong count.
    QVERIFY2(!QFile::exists(name(s.count)), qPrintable(name(s.count)));

    // Consecutive frames differ, or the animation would seem to stall.
    std::vector<double> steps;
    for (int k = 0; k + 1 < s.count; ++k) {
        steps.push_back(meanDifference(frames[k], frames[k + 1]));
        QVERIFY2(steps.back() > 0.05, qPrintable(QStringLiteral("frames %1 and %2 are alike (%3)")
                                                     .arg(k).arg(k + 1).arg(steps.back())));
    }
    // The step from the last frame back to the first is no bigger than the ordinary steps
    // inside the sequence (its larger ones, leaving out the few largest, where a stray
    // frame would hide the jump it makes): the loop closes without a visible jump.
    std::sort(steps.begin(), steps.end());
    const double ordinaryStep = steps[steps.size() * 4 / 5];
    const double loopStep = meanDifference(frames.back(), frames.front());
    qInfo("%s: last to first %.2f, ordinary step %.2f", s.folder, loopStep, ordinaryStep);
    QVERIFY2(loopStep <= 1.25 * ordinaryStep,
             qPrintable(QStringLiteral("last to first %1, ordinary step %2")
                            .arg(loopStep).arg(ordinaryStep)));
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
