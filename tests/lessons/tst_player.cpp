#include "fixtureframes.h"
#include "fonts.h"
#include "framebox.h"
#include "mediabar.h"
#include "module1.h"
#include "player.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString kCircle = QStringLiteral("circlesm\\circle");
const QString kMobius = QStringLiteral("mobiussm\\bstr00");
constexpr int kCircleTag = 10;
constexpr int kMobiusTag = 20;

using Frame = QPair<int, int>;

struct BarState {
    bool play, pause, back, next;
    bool operator==(const BarState&) const = default;
};

BarState barState(const MediaBar& bar)
{
    return {bar.isButtonEnabled(MediaBar::Play), bar.isButtonEnabled(MediaBar::Pause),
            bar.isButtonEnabled(MediaBar::Back), bar.isButtonEnabled(MediaBar::Next)};
}

} // namespace

Q_DECLARE_METATYPE(BarState)

class TestPlayer : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureFrames> m_frames;
    std::unique_ptr<QWidget> m_host;
    Player* m_player = nullptr;

    Frame shown() const { return shownFrame(m_player->Image2->frame()); }

private Q_SLOTS:
    void initTestCase() { fonts::registerDesignFonts(); }

    void init()
    {
        Module1::reset();
        m_frames = std::make_unique<FixtureFrames>();
        m_frames->write(QStringLiteral("circlesm"), QStringLiteral("circle"), QStringLiteral(".jpg"),
                        58, kCircleTag);
        m_frames->write(QStringLiteral("mobiussm"), QStringLiteral("bstr00"), QStringLiteral(".jpg"),
                        100, kMobiusTag);
        m_host = std::make_unique<QWidget>();
        m_host->resize(800, 600);
        m_player = new Player(*m_host);
    }

    void cleanup()
    {
        m_host.reset();
        m_frames.reset();
    }

    void createdIdleAndEmpty()
    {
        QVERIFY(!m_player->Timer1->isActive());
        QCOMPARE(m_player->Timer1->interval(), 50);
        QCOMPARE(m_player->Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(m_player->Image2->frame().isNull());
        // The animation will already run when the page shows, so only Pause is offered.
        QCOMPARE(barState(*m_player->MMControl1), (BarState{false, true, false, false}));
    }

    void controlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Image2") << "Image2" << QRect(456, 16, 324, 244);
        QTest::newRow("MMControl1") << "MMControl1" << QRect(512, 264, 106, 22);
        QTest::newRow("Label3") << "Label3" << QRect(624, 264, 97, 22);
    }
    void controlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* w = m_host->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
    }

    void startShowsFrameZeroAtOnceAndTheFirstTickFrameOne()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        QCOMPARE(shown(), Frame(0, kCircleTag));
        QCOMPARE(m_player->lastFrameFile(), QStringLiteral("circlesm\\circle00.jpg"));
        QVERIFY(m_player->Timer1->isActive());
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(1, kCircleTag));
        QCOMPARE(Module1::framenum, 1);
    }

    void runningLoopsThroughEveryFrame()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        // Two full rounds: 1 .. 57, 0, 1 .. 57, 0.
        for (int tick = 1; tick <= 116; ++tick) {
            m_player->Timer1_Timer();
            const int expected = tick % 58;
            QCOMPARE(Module1::framenum, expected);
            QCOMPARE(shown(), Frame(expected, kCircleTag));
        }
        QCOMPARE(m_player->lastFrameFile(), QStringLiteral("circlesm\\circle00.jpg"));
    }

    void stemEndingInDigitsReadsItsOwnFiles()
    {
        m_player->StartSequence(kMobius, QStringLiteral(".jpg"), 100);
        QCOMPARE(shown(), Frame(0, kMobiusTag));
        for (int k = 1; k <= 12; ++k)
            m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(12, kMobiusTag));
        QCOMPARE(m_player->lastFrameFile(), QStringLiteral("mobiussm\\bstr0012.jpg"));
    }

    // Step back from each start frame, and the timer left alone whether running or not.
    void steps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("expected");
        QTest::newRow("back from 0 wraps") << 0 << false << true << 57;
        QTest::newRow("back from 0 while running") << 0 << false << false << 57;
        QTest::newRow("back from 10") << 10 << false << true << 9;
        QTest::newRow("forward from 57 wraps") << 57 << true << true << 0;
        QTest::newRow("forward from 9") << 9 << true << false << 10;
    }
    void steps()
    {
        QFETCH(int, from);
        QFETCH(bool, forward);
        QFETCH(bool, paused);
        QFETCH(int, expected);
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        if (paused)
            m_player->Pause();
        Module1::framenum = from;
        m_player->ShowFrame();
        if (forward)
            m_player->StepForward();
        else
            m_player->StepBack();
        QCOMPARE(Module1::framenum, expected);
        QCOMPARE(shown(), Frame(expected, kCircleTag));
        QCOMPARE(m_player->Timer1->isActive(), !paused);
    }

    void newSequenceWhileRunningStartsAtItsFrameZero()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        for (int k = 0; k < 30; ++k)
            m_player->Timer1_Timer();
        m_player->StartSequence(kMobius, QStringLiteral(".jpg"), 100);
        QCOMPARE(Module1::framenum, 0);
        QCOMPARE(shown(), Frame(0, kMobiusTag));
        QCOMPARE(Module1::smallstem, kMobius);
        QCOMPARE(Module1::framecount, 100);
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(1, kMobiusTag));
    }

    void pauseTwoStepsThenPlayResumesTwoFramesOn()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        for (int k = 0; k < 5; ++k)
            m_player->Timer1_Timer();
        // Through the bar, as the pupil would.
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Pause), Qt::LeftButton);
        QVERIFY(!m_player->Timer1->isActive());
        QCOMPARE(shown(), Frame(5, kCircleTag));
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Next), Qt::LeftButton);
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Next), Qt::LeftButton);
        QCOMPARE(shown(), Frame(7, kCircleTag));
        QVERIFY(!m_player->Timer1->isActive());
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Play), Qt::LeftButton);
        QVERIFY(m_player->Timer1->isActive());
        QCOMPARE(shown(), Frame(7, kCircleTag));
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(8, kCircleTag));
    }

    void barStates_data()
    {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<BarState>("expected");
        QTest::addColumn<bool>("running");
        QTest::newRow("pause") << QList<int>{MediaBar::Pause} << BarState{true, true, true, true}
                               << false;
        QTest::newRow("pause, play") << QList<int>{MediaBar::Pause, MediaBar::Play}
                                     << BarState{false, true, false, false} << true;
        QTest::newRow("pause, back, next")
            << QList<int>{MediaBar::Pause, MediaBar::Back, MediaBar::Next}
            << BarState{true, true, true, true} << false;
        QTest::newRow("pause twice") << QList<int>{MediaBar::Pause, MediaBar::Pause}
                                     << BarState{true, true, true, true} << false;
    }
    void barStates()
    {
        QFETCH(QList<int>, presses);
        QFETCH(BarState, expected);
        QFETCH(bool, running);
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        for (int b : presses)
            QTest::mouseClick(m_player->MMControl1->button(static_cast<MediaBar::Button>(b)),
                              Qt::LeftButton);
        QCOMPARE(barState(*m_player->MMControl1), expected);
        QCOMPARE(m_player->Timer1->isActive(), running);
    }

    void startLeavesTheBarAsItIs()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        m_player->Pause();
        m_player->StartSequence(kMobius, QStringLiteral(".jpg"), 100);
        QCOMPARE(barState(*m_player->MMControl1), (BarState{true, true, true, true}));
        QVERIFY(m_player->Timer1->isActive());
    }

    void disabledBarButtonsIgnoreClicks()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Next), Qt::LeftButton);
        QTest::mouseClick(m_player->MMControl1->button(MediaBar::Back), Qt::LeftButton);
        QCOMPARE(Module1::framenum, 0);
    }

    void fullScreenChangesNothing()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        m_player->Timer1_Timer();
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        m_player->Timer1->stop(); // ticks are driven by hand here
        m_player->Timer1->start();
        const BarState before = barState(*m_player->MMControl1);
        QVERIFY(!m_player->Label3->isEnabled());
        QTest::mouseClick(m_player->Label3, Qt::LeftButton);
        QTest::mouseDClick(m_player->Label3, Qt::LeftButton);
        QCOMPARE(Module1::framenum, 1);
        QCOMPARE(shown(), Frame(1, kCircleTag));
        QVERIFY(m_player->Timer1->isActive());
        QCOMPARE(barState(*m_player->MMControl1), before);
        QCOMPARE(m_player->Label3->text(), QStringLiteral("Full Screen"));
        // Drawn greyed, as a disabled label is: no yellow caption inviting a click.
        const QImage drawn = m_player->Label3->grab().toImage();
        int yellow = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb p = drawn.pixel(x, y);
                yellow += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 100 ? 1 : 0;
            }
        QCOMPARE(yellow, 0);
    }

    // A frame that cannot be read leaves the last good one on show and the animation going.
    void unreadableFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("this is no picture at all");
        QTest::newRow("truncated") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("truncated jpeg") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10);
    }
    void unreadableFrames()
    {
        QFETCH(QByteArray, bytes);
        m_frames->spoil(QStringLiteral("circlesm"), QStringLiteral("circle"), 5, QStringLiteral(".jpg"), bytes);
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        for (int k = 0; k < 5; ++k)
            m_player->Timer1_Timer();
        QCOMPARE(Module1::framenum, 5);
        QCOMPARE(shown(), Frame(4, kCircleTag));
        QVERIFY(m_player->Timer1->isActive());
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(6, kCircleTag));
        m_player->Pause();
        m_player->StepBack();
        QCOMPARE(Module1::framenum, 5);
        QCOMPARE(shown(), Frame(6, kCircleTag));
        m_player->StepBack();
        QCOMPARE(shown(), Frame(4, kCircleTag));
    }

    void noFrameAtAllLeavesTheBoxEmpty()
    {
        m_player->StartSequence(QStringLiteral("nosuchsm\\nothing"), QStringLiteral(".jpg"), 20);
        QVERIFY(m_player->Image2->frame().isNull());
        for (int k = 0; k < 25; ++k)
            m_player->Timer1_Timer();
        QCOMPARE(Module1::framenum, 5);
        QVERIFY(m_player->Image2->frame().isNull());
        m_player->Pause();
        QCOMPARE(barState(*m_player->MMControl1), (BarState{true, true, true, true}));
    }

    void framesAreReadAfreshEachTime()
    {
        m_player->StartSequence(kCircle, QStringLiteral(".jpg"), 58);
        m_frames->write(QStringLiteral("circlesm"), QStringLiteral("circle"), QStringLiteral(".jpg"),
                        58, kCircleTag + 1);
        m_player->StepBack();
        m_player->StepForward();
        QCOMPARE(shown(), Frame(0, kCircleTag + 1));
    }

    void frameFitsTheBox_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("drawn at twice the box") << QSize(648, 488) << QRectF(0, 0, 324, 244);
        QTest::newRow("box size") << QSize(324, 244) << QRectF(0, 0, 324, 244);
        QTest::newRow("small and square") << QSize(50, 50) << QRectF(40, 0, 244, 244);
        QTest::newRow("wide") << QSize(648, 244) << QRectF(0, 61, 324, 122);
    }
    void frameFitsTheBox()
    {
        QFETCH(QSize, frame);
        QFETCH(QRectF, expected);
        QImage image(frame, QImage::Format_RGB32);
        image.fill(Qt::red);
        m_player->Image2->setFrame(image);
        QCOMPARE(m_player->Image2->frameRect(), expected);
    }

    void largeFrameIsDrawnSmoothlyIntoTheBox()
    {
        // A frame at twice the box's size, half black and half white in fine stripes: drawn
        // smoothly it greys out; sampled crudely it would show pure black or white pixels.
        QImage image(648, 488, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        m_player->Image2->setFrame(image);
        const QImage grabbed = m_player->Image2->grab().toImage();
        const QColor middle = grabbed.pixelColor(grabbed.width() / 2, grabbed.height() / 2);
        QVERIFY2(middle.red() > 60 && middle.red() < 195, qPrintable(QString::number(middle.red())));
    }

    void barButtonsAreNamedForThePupil_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("play") << int(MediaBar::Play) << "Play";
        QTest::newRow("pause") << int(MediaBar::Pause) << "Pause";
        QTest::newRow("back") << int(MediaBar::Back) << "Step back";
        QTest::newRow("next") << int(MediaBar::Next) << "Step forward";
    }
    void barButtonsAreNamedForThePupil()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        QAbstractButton* b = m_player->MMControl1->button(static_cast<MediaBar::Button>(button));
        QCOMPARE(b->accessibleName(), name);
        QCOMPARE(b->toolTip(), name);
        QVERIFY(b->text().isEmpty());
        QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
        // Left to right in the order Play, Pause, Step back, Step forward, filling the bar.
        const int bar = m_player->MMControl1->width();
        QCOMPARE(b->x(), bar * button / MediaBar::buttonCount);
        QCOMPARE(b->x() + b->width(), bar * (button + 1) / MediaBar::buttonCount);
        QCOMPARE(b->height(), m_player->MMControl1->height());
    }

    void barButtonsAreDrawnGreyedWhenDisabled()
    {
        QAbstractButton* play = m_player->MMControl1->button(MediaBar::Play);
        QAbstractButton* pause = m_player->MMControl1->button(MediaBar::Pause);
        auto darkest = [](QAbstractButton* b) {
            const QImage img = b->grab().toImage();
            int least = 255;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    least = qMin(least, qGray(img.pixel(x, y)));
            return least;
        };
        QVERIFY(darkest(pause) < 40);
        QVERIFY(darkest(play) > 80);
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
