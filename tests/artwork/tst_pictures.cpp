// The pictures the build drew beside the program: every file the pages ask for is there,
// in the format its name promises, readable, and every animation plays smoothly and loops
// without a jump from its last frame to its first.

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
    return reader.read().convertToFormat(QImage::Format_RGB32);
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

void PicturesTest::shellPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    // Faces and logo at twice their boxes on the page; the menu backdrop at the page's size.
    for (const char* face : {"exit", "next", "answer", "check", "jotter"})
        QTest::newRow(face) << QStringLiteral("Images/%1.jpg").arg(QLatin1String(face))
                            << QByteArray("jpeg") << QSize(238, 66);
    QTest::newRow("logo") << QStringLiteral("Images/logo2.jpg") << QByteArray("jpeg")
                          << QSize(200, 278);
    QTest::newRow("menu backdrop") << QStringLiteral("conenw/conene00.jpg") << QByteArray("jpeg")
                                   << QSize(800, 600);
    for (int n : {16, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", n) << QStringLiteral("icons/vornash-%1.png").arg(n)
                                    << QByteArray("png") << QSize(n, n);
}

void PicturesTest::shellPicture()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    const QString file = binDir() + QLatin1Char('/') + path;
    QCOMPARE(formatByContent(file), format);
    const QImage image = read(file);
    QVERIFY2(!image.isNull(), qPrintable(file));
    QCOMPARE(image.size(), size);
}

void PicturesTest::sequence_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("size");

    const QSize frame(648, 488);
    QTest::newRow("circle") << "circlesm" << "circle" << ".jpg" << QByteArray("jpeg") << 58 << frame;
    QTest::newRow("sector") << "hexs3sm" << "hexs3" << ".jpg" << QByteArray("jpeg") << 20 << frame;
    QTest::newRow("triangle") << "tris3sm" << "tris3" << ".jpg" << QByteArray("jpeg") << 35 << frame;
    QTest::newRow("segment") << "pents3sm" << "pents3" << ".jpg" << QByteArray("jpeg") << 20 << frame;
    QTest::newRow("cylinder") << "cylindsm" << "cylind" << ".gif" << QByteArray("gif") << 100 << frame;
    QTest::newRow("torus") << "torusssm" << "toruss" << ".jpg" << QByteArray("jpeg") << 50 << frame;
    // The stem itself ends in digits: bstr0000.jpg to bstr0099.jpg.
    QTest::newRow("mobius") << "mobiussm" << "bstr00" << ".jpg" << QByteArray("jpeg") << 100 << frame;
    QTest::newRow("cone") << "bonen2sm" << "bonene" << ".jpg" << QByteArray("jpeg") << 50 << frame;
    QTest::newRow("title") << "conenwsm" << "conene" << ".jpg" << QByteArray("jpeg") << 50
                           << QSize(640, 480);
}

void PicturesTest::sequence()
{
    QFETCH(QString, folder);
    QFETCH(QString, stem);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, format);
    QFETCH(int, count);
    QFETCH(QSize, size);

    const QDir dir(binDir() + QLatin1Char('/') + folder);
    auto name = [&](int k) {
        return dir.filePath(stem + QString::number(k).rightJustified(2, QLatin1Char('0')) + suffix);
    };

    std::vector<QImage> frames;
    for (int k = 0; k < count; ++k) {
        const QString file = name(k);
        QCOMPARE(formatByContent(file), format);
        frames.push_back(read(file));
        QVERIFY2(!frames.back().isNull(), qPrintable(file));
        QCOMPARE(frames.back().size(), size);
    }
    // The player wraps after the last frame; a stray extra frame would mean a wrong count.
    QVERIFY2(!QFile::exists(name(count)), qPrintable(name(count)));

    // Consecutive frames differ, or the animation would seem to stall.
    std::vector<double> steps;
    for (int k = 0; k + 1 < count; ++k) {
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
    qInfo("%s: last to first %.2f, ordinary step %.2f", qPrintable(folder), loopStep, ordinaryStep);
    QVERIFY2(loopStep <= 1.25 * ordinaryStep,
             qPrintable(QStringLiteral("last to first %1, ordinary step %2")
                            .arg(loopStep).arg(ordinaryStep)));
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
