// The renderer and the picture files: nearer paper hides farther paper whatever order it
// was added in, each face of the paper shows its own colour, frame files are named as the
// player asks for them, and GIF and JPEG files come back as the pictures that were written.

#include "output.h"
#include "scene.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace art;

namespace {

// A square of side 2 facing +z at depth z; `flipped` runs its parameters the other way,
// so that its other face looks at a viewer on +z.
Surface square(double z, bool flipped)
{
    return [=](double u, double v) {
        return Vec3{flipped ? 1 - 2 * u : 2 * u - 1, 2 * v - 1, z};
    };
}

PaperStyle plain(QColor front, QColor back)
{
    PaperStyle s;
    s.front = front;
    s.back = back;
    s.outline = front;
    return s;
}

QImage render(const Scene& scene)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    scene.render(p, Camera::orbit({0, 0, 0}, 10, 0, 0, 400, {100, 100}));
    return image;
}

bool reddish(QRgb c) { return qRed(c) > 2 * qBlue(c) && qRed(c) > 2 * qGreen(c); }
bool bluish(QRgb c) { return qBlue(c) > 2 * qRed(c) && qBlue(c) > 2 * qGreen(c); }

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QByteArray head(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(6) : QByteArray();
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nearerPaperHidesFartherPaper_data();
    void nearerPaperHidesFartherPaper();
    void eachFaceHasItsColour_data();
    void eachFaceHasItsColour();
    void picturesRoundTrip_data();
    void picturesRoundTrip();
    void unwritablePlaceIsReported();
};

void RenderTest::nearerPaperHidesFartherPaper_data()
{
    QTest::addColumn<bool>("nearFirst");
    QTest::newRow("near added first") << true;
    QTest::newRow("far added first") << false;
}

void RenderTest::nearerPaperHidesFartherPaper()
{
    QFETCH(bool, nearFirst);
    Scene scene({0, 0, 1});
    const PaperStyle red = plain(QColor(255, 0, 0), QColor(255, 0, 0));
    const PaperStyle blue = plain(QColor(0, 0, 255), QColor(0, 0, 255));
    if (nearFirst) {
        scene.addSurface(square(1, false), 4, 4, red);
        scene.addSurface(square(-1, false), 4, 4, blue);
    } else {
        scene.addSurface(square(-1, false), 4, 4, blue);
        scene.addSurface(square(1, false), 4, 4, red);
    }
    const QImage image = render(scene);
    QVERIFY(reddish(image.pixel(100, 100)));
    QVERIFY(reddish(image.pixel(130, 80)));
}

void RenderTest::eachFaceHasItsColour_data()
{
    QTest::addColumn<bool>("flipped");
    QTest::addColumn<bool>("expectFront");
    QTest::newRow("front towards the viewer") << false << true;
    QTest::newRow("back towards the viewer") << true << false;
}

void RenderTest::eachFaceHasItsColour()
{
    QFETCH(bool, flipped);
    QFETCH(bool, expectFront);
    Scene scene({0, 0, 1});
    scene.addSurface(square(0, flipped), 3, 3, plain(QColor(230, 20, 20), QColor(20, 20, 230)));
    const QRgb centre = render(scene).pixel(100, 100);
    QVERIFY(expectFront ? reddish(centre) : bluish(centre));
}

void RenderTest::picturesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<int>("content");
    QTest::addColumn<double>("tolerance");  // mean difference per channel allowed

    QTest::newRow("gif, few colours, exact") << "a/b/few.gif" << QByteArray("GIF8") << 0 << 0.0;
    QTest::newRow("gif, lit quads") << "quads.gif" << QByteArray("GIF8") << 1 << 0.5;
    QTest::newRow("jpeg, gradient") << "a/smooth.jpg" << QByteArray("\xFF\xD8\xFF") << 2 << 1.5;
}

void RenderTest::picturesRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QFETCH(int, content);
    QFETCH(double, tolerance);

    // 0: six flat colours. 1: like a folding frame, strips of flat shading (one colour per
    // quad) crossed by an anti-aliased outline whose rare shades must not spoil the rest.
    // 2: a smooth gradient, far more than 256 colours.
    QImage image(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, content == 0 ? qRgb((x / 40) * 60, (y / 40) * 80, 120)
                               : content == 1 ? qRgb(200 - x / 8 * 6, 120 + y / 30 * 20, 60)
                                              : qRgb(40 + x, 60 + y, 150 + (x + y) / 4));
    if (content == 1) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 30, 60), 2.5));
        p.drawEllipse(QPointF(80, 60), 50, 40);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(writePicture(image, path));  // also makes the missing folders
    QVERIFY(head(path).startsWith(magic));
    QImageReader reader(path);
    const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), image.size());
    QVERIFY2(meanDifference(image, back) <= tolerance,
             qPrintable(QString::number(meanDifference(image, back))));
}

void RenderTest::unwritablePlaceIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A folder cannot be made inside a file: the failure must not pass for success.
    const QImage image(8, 8, QImage::Format_RGB32);
    QVERIFY(!writePicture(image, dir.filePath(QStringLiteral("file/x.gif"))));
    QVERIFY(!writePicture(image, dir.filePath(QStringLiteral("file/x.jpg"))));
}

QTEST_GUILESS_MAIN(RenderTest)
#include "tst_render.moc"
