// On a screen of twice the density (run with QT_SCALE_FACTOR=2): every page keeps its design
// layout in logical pixels, and pictures, button faces and text are drawn at the screen's own
// resolution, not drawn small and blown up.

#include "draws.h"
#include "fonts.h"
#include "intro0.h"
#include "jotter.h"
#include "lessonpage.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "pictures.h"
#include "player.h"
#include "problempage.h"
#include "road.h"
#include "titlefrm.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace {

constexpr qreal kDensity = 2.0;

void closeEverything()
{
    jotter::close();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Page*>(w))
            delete w;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One pixel wide black and white columns and rows: any smoothing on the way turns it grey.
QImage finePattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = ((x + y) % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

// Share of pixels, within `area` of `shot` (device pixels), that differ from `expected` by more
// than `tolerance` in any channel.
double mismatch(const QImage& shot, const QImage& expected, int tolerance)
{
    if (shot.size() != expected.size())
        return 1.0;
    const QImage a = shot.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    qint64 off = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qRed(la[x]) - qRed(lb[x])) > tolerance
                || std::abs(qGreen(la[x]) - qGreen(lb[x])) > tolerance
                || std::abs(qBlue(la[x]) - qBlue(lb[x])) > tolerance)
                ++off;
        }
    }
    return double(off) / double(a.width() * a.height());
}

// What the widget would look like painted at one device pixel per logical pixel, blown up.
QImage drawnSmallAndBlownUp(QWidget* w)
{
    QImage small(w->size(), QImage::Format_ARGB32_Premultiplied);
    small.setDevicePixelRatio(1.0);
    small.fill(Qt::transparent);
    w->render(&small, QPoint(), QRegion(), QWidget::DrawChildren);
    return small.scaled(w->size() * kDensity, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage grabbed(QWidget* w)
{
    QImage shot = w->grab().toImage();
    return shot;
}

Page* openPage(const QString& name)
{
    Page* page = navigation::show(name);
    if (page) {
        if (auto* timer = page->findChild<QTimer*>(QStringLiteral("Timer1")))
            timer->stop();
    }
    return page;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qgetenv("QT_SCALE_FACTOR") != "2")
            QSKIP("run with QT_SCALE_FACTOR=2");
        fonts::registerDesignFonts();
        road::registerAllPages();
        draws::setSeedFactory([] { return draws::fixed({0.1, 0.5, 0.3}); });
        QVERIFY(QGuiApplication::primaryScreen());
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), kDensity);
    }

    void cleanup() { closeEverything(); }

    void layoutInLogicalPixels_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twipsPlace"); // for the page itself: its outer size
        const QRect page(0, 0, 12000, 9000);
        QTest::newRow("title") << "Titlefrm" << "" << QRect(0, 0, 5460, 6570);
        QTest::newRow("title picture") << "Titlefrm" << "Picture1" << QRect(300, 1320, 4800, 3600);
        QTest::newRow("menu") << "intro0" << "" << page;
        QTest::newRow("menu logo") << "intro0" << "Image2" << QRect(120, 120, 1500, 2085);
        QTest::newRow("menu exit") << "intro0" << "Command1" << QRect(90, 7950, 1785, 495);
        QTest::newRow("lesson") << "circles0" << "" << page;
        QTest::newRow("lesson animation") << "circles0" << "Image2" << QRect(6840, 240, 4860, 3660);
        QTest::newRow("lesson bar") << "folding0" << "MMControl1" << QRect(7680, 3960, 1590, 330);
        QTest::newRow("lesson link") << "folding0" << "Label15" << QRect(4440, 7920, 3315, 495);
        QTest::newRow("problems") << "circles" << "" << page;
        QTest::newRow("problem animation") << "folding" << "Image2" << QRect(6840, 240, 4860, 3660);
        QTest::newRow("answer box") << "circles" << "Text1" << QRect(7920, 4800, 1695, 735);
        QTest::newRow("question") << "folding" << "Label1" << QRect(360, 4680, 7215, 2895);
        QTest::newRow("check button") << "circles" << "cmdcheckit" << QRect(10050, 6465, 1785, 495);
        QTest::newRow("next button") << "circles" << "cmdgo" << QRect(10050, 7950, 1785, 495);
    }

    // Positions and sizes are those of the design, in logical pixels, at any density.
    void layoutInLogicalPixels()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        QFETCH(QRect, twipsPlace);
        Page* p = openPage(page);
        QVERIFY(p);
        QCOMPARE(p->devicePixelRatio(), kDensity);
        const QRect expected = twips::rect(twipsPlace.x(), twipsPlace.y(), twipsPlace.width(),
                                           twipsPlace.height());
        if (control.isEmpty()) {
            QCOMPARE(p->frameGeometry().size(), expected.size());
            return;
        }
        QWidget* w = p->findChild<QWidget*>(control);
        QVERIFY(w);
        QCOMPARE(w->geometry(), expected);
    }

    // The picture box lays a frame of twice its size onto the device pixels one for one.
    void frameAtDeviceResolution()
    {
        PictureBox box;
        box.resize(twips::toPx(4860), twips::toPx(3660));
        const QImage frame = finePattern(box.size() * kDensity);
        box.setPicture(frame);
        const QImage shot = grabbed(&box);
        QCOMPARE(shot.devicePixelRatio(), kDensity);
        QCOMPARE(mismatch(shot, frame, 8), 0.0);
    }

    void facesAtDeviceResolution()
    {
        PictureButton button;
        button.resize(twips::toPx(1785), twips::toPx(495));
        const QImage face = finePattern(button.size() * kDensity);
        button.setPicture(face);
        QCOMPARE(mismatch(grabbed(&button), face, 8), 0.0);
    }

    void picturesOnThePages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::newRow("lesson frame") << "circles0" << "Image2";
        QTest::newRow("problem frame") << "folding" << "Image2";
        QTest::newRow("check face") << "circles" << "cmdcheckit";
        QTest::newRow("next face") << "folding" << "cmdgo";
        QTest::newRow("lesson exit face") << "folding0" << "cmdexit";
        QTest::newRow("menu exit face") << "intro0" << "Command1";
        QTest::newRow("logo") << "intro0" << "Image2";
        QTest::newRow("title animation") << "Titlefrm" << "Picture1";
    }

    // The program's own pictures are drawn at twice their box, and land on the screen whole.
    void picturesOnThePages()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        Page* p = openPage(page);
        QVERIFY(p);
        QWidget* w = p->findChild<QWidget*>(control);
        QVERIFY(w);
        QImage picture;
        if (auto* box = qobject_cast<PictureBox*>(w))
            picture = box->picture();
        else if (auto* button = qobject_cast<PictureButton*>(w))
            picture = button->picture();
        QVERIFY2(!picture.isNull(), "the page shows no picture: is the artwork built?");
        QCOMPARE(picture.size(), w->size() * kDensity);
        const QImage shot = grabbed(w);
        QCOMPARE(shot.size(), picture.size());
        // A picture drawn small and blown up differs along its edges (a few hundredths of its
        // pixels on these frames); one laid on the device pixels differs nowhere.
        const double differs = mismatch(shot, picture, 4);
        QVERIFY2(differs < 0.001, qPrintable(QString::number(differs)));
    }

    void textIsSharp_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::newRow("title name") << "Titlefrm" << "Label4_0";
        QTest::newRow("menu title") << "intro0" << "Label1";
        QTest::newRow("menu entry") << "intro0" << "Label2_0";
        QTest::newRow("lesson sentence") << "circles0" << "Label1";
        QTest::newRow("lesson shape") << "folding0" << "Option1_0";
        QTest::newRow("question") << "circles" << "Label1";
        QTest::newRow("instruction") << "folding" << "Label2";
    }

    // Text is laid out at the screen's own resolution: it is not the 1x drawing blown up.
    void textIsSharp()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        Page* p = openPage(page);
        QVERIFY(p);
        QWidget* w = p->findChild<QWidget*>(control);
        QVERIFY(w);
        const QImage shot = grabbed(w);
        QCOMPARE(shot.size(), w->size() * kDensity);
        const double differs = mismatch(shot, drawnSmallAndBlownUp(w), 40);
        QVERIFY2(differs > 0.002, qPrintable(QString::number(differs)));
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
