#include "fixtureframes.h"
#include "fonts.h"
#include "module1.h"
#include "picturebox.h"
#include "player.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString kJpg = QStringLiteral(".jpg");
const QString kCircle = QStringLiteral("circlesm\\circle");
const QString kMobius = QStringLiteral("mobiussm\\bstr00"); // a stem that ends in digits
constexpr int kCircleTag = 10;
constexpr int kMobiusTag = 20;
using Frame = QPair<int, int>;

// Enabled buttons as a string of four flags: Play, Pause, Step back, Step forward.
QString barState(const MediaBar& bar)
{
    QString s;
    for (auto b : {MediaBar::Play, MediaBar::Pause, MediaBar::Back, MediaBar::Next})
        s += bar.isButtonEnabled(b) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

int countPixels(const QImage& image, bool (*wanted)(QRgb))
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += wanted(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureFrames> m_frames;
    std::unique_ptr<QWidget> m_host;
    Player* m_player = nullptr;

    Frame shown() const { return shownFrame(m_player->Image2->picture()); }
    void click(MediaBar::Button b) { QTest::mouseClick(m_player->MMControl1->button(b), Qt::LeftButton); }
    void showHost()
    {
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

private Q_SLOTS:
    void initTestCase() { fonts::registerDesignFonts(); }

    void init()
    {
        Module1::reset();
        m_frames = std::make_unique<FixtureFrames>();
        m_frames->write(QStringLiteral("circlesm"), QStringLiteral("circle"), kJpg, 58, kCircleTag);
        m_frames->write(QStringLiteral("mobiussm"), QStringLiteral("bstr00"), kJpg, 100, kMobiusTag);
        m_host = std::make_unique<QWidget>();
        m_host->resize(800, 600);
        m_player = new Player(*m_host);
    }

    void cleanup()
    {
        m_host.reset();
        m_frames.reset();
    }

    void createdStillWithPauseOffered()
    {
        QVERIFY(!m_player->Timer1->isActive());
        QCOMPARE(m_player->Timer1->interval(), 50);
        QCOMPARE(m_player->Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(m_player->Image2->picture().isNull());
        QCOMPARE(barState(*m_player->MMControl1), QStringLiteral("0100"));
    }

    // Frame 0 at once, then every tick one on, looping: 1 .. 57, 0, 1 .. 57, 0.
    void runningLoopsThroughEveryFrame()
    {
        m_player->StartSequence(kCircle, kJpg, 58);
        QCOMPARE(shown(), Frame(0, kCircleTag));
        QVERIFY(m_player->Timer1->isActive());
        for (int tick = 1; tick <= 116; ++tick) {
            m_player->Timer1_Timer();
            QCOMPARE(Module1::framenum, tick % 58);
            QCOMPARE(shown(), Frame(tick % 58, kCircleTag));
        }
    }

    // The step buttons wrap both ways and leave the timer as it was.
    void steps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("expected");
        QTest::newRow("back from 0") << 0 << false << true << 57;
        QTest::newRow("back from 0, running") << 0 << false << false << 57;
        QTest::newRow("back from 10") << 10 << false << true << 9;
        QTest::newRow("forward from 57") << 57 << true << true << 0;
        QTest::newRow("forward from 9, running") << 9 << true << false << 10;
    }
    void steps()
    {
        QFETCH(int, from);
        QFETCH(bool, forward);
        QFETCH(bool, paused);
        QFETCH(int, expected);
        m_player->StartSequence(kCircle, kJpg, 58);
        if (paused)
            m_player->Pause();
        Module1::framenum = from;
        forward ? m_player->StepForward() : m_player->StepBack();
        QCOMPARE(shown(), Frame(expected, kCircleTag));
        QCOMPARE(m_player->Timer1->isActive(), !paused);
    }

    void newSequenceWhileRunningStartsAtItsFrameZero()
    {
        m_player->StartSequence(kCircle, kJpg, 58);
        for (int k = 0; k < 30; ++k)
            m_player->Timer1_Timer();
        m_player->Pause();
        m_player->StartSequence(kMobius, kJpg, 100);
        QCOMPARE(shown(), Frame(0, kMobiusTag));
        QVERIFY(m_player->Timer1->isActive());
        // The bar is left as the pupil set it.
        QCOMPARE(barState(*m_player->MMControl1), QStringLiteral("1111"));
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(1, kMobiusTag));
    }

    // Through the bar's buttons, as the pupil uses them.
    void bar_data()
    {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("frame");
        QTest::newRow("pause") << QList<int>{MediaBar::Pause} << "1111" << false << 5;
        QTest::newRow("pause, next, next, play")
            << QList<int>{MediaBar::Pause, MediaBar::Next, MediaBar::Next, MediaBar::Play} << "0100"
            << true << 7;
        QTest::newRow("pause, back") << QList<int>{MediaBar::Pause, MediaBar::Back} << "1111" << false << 4;
        QTest::newRow("pause twice") << QList<int>{MediaBar::Pause, MediaBar::Pause} << "1111" << false << 5;
        QTest::newRow("disabled steps do nothing") << QList<int>{MediaBar::Next, MediaBar::Back}
                                                    << "0100" << true << 5;
    }
    void bar()
    {
        QFETCH(QList<int>, presses);
        QFETCH(QString, state);
        QFETCH(bool, running);
        QFETCH(int, frame);
        m_player->StartSequence(kCircle, kJpg, 58);
        for (int k = 0; k < 5; ++k)
            m_player->Timer1_Timer();
        for (int b : presses)
            click(static_cast<MediaBar::Button>(b));
        QCOMPARE(barState(*m_player->MMControl1), state);
        QCOMPARE(m_player->Timer1->isActive(), running);
        QCOMPARE(shown(), Frame(frame, kCircleTag));
        if (running) {
            m_player->Timer1_Timer();
            QCOMPARE(shown(), Frame(frame + 1, kCircleTag));
        }
    }

    void fullScreenChangesNothing()
    {
        showHost();
        m_player->StartSequence(kCircle, kJpg, 58);
        m_player->Timer1_Timer();
        QTest::mouseClick(m_player->Label3, Qt::LeftButton);
        QTest::mouseDClick(m_player->Label3, Qt::LeftButton);
        QCOMPARE(shown(), Frame(1, kCircleTag));
        QVERIFY(m_player->Timer1->isActive());
        QCOMPARE(barState(*m_player->MMControl1), QStringLiteral("0100"));
        // Drawn greyed, as a disabled label is: no yellow caption inviting a click.
        QCOMPARE(countPixels(m_player->Label3->grab().toImage(), [](QRgb p) {
                     return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 100;
                 }),
                 0);
    }

    // A frame that cannot be read leaves the last good one on show and the animation going.
    void unreadableFrame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("this is no picture at all");
        QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("truncated jpeg") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10);
    }
    void unreadableFrame()
    {
        QFETCH(QByteArray, bytes);
        m_frames->spoil(QStringLiteral("circlesm"), QStringLiteral("circle"), 5, kJpg, bytes);
        m_player->StartSequence(kCircle, kJpg, 58);
        for (int k = 0; k < 5; ++k)
            m_player->Timer1_Timer();
        QCOMPARE(Module1::framenum, 5);
        QCOMPARE(shown(), Frame(4, kCircleTag));
        m_player->Timer1_Timer();
        QCOMPARE(shown(), Frame(6, kCircleTag));
        m_player->Pause();
        m_player->StepBack();
        QCOMPARE(shown(), Frame(6, kCircleTag));
        m_player->StepBack();
        QCOMPARE(shown(), Frame(4, kCircleTag));
    }

    void noFrameAtAllLeavesTheBoxEmpty()
    {
        m_player->StartSequence(QStringLiteral("nosuchsm\\nothing"), kJpg, 20);
        for (int k = 0; k < 25; ++k)
            m_player->Timer1_Timer();
        QCOMPARE(Module1::framenum, 5);
        QVERIFY(m_player->Image2->picture().isNull());
        click(MediaBar::Pause);
        QCOMPARE(barState(*m_player->MMControl1), QStringLiteral("1111"));
    }

    void framesAreReadAfreshEachTime()
    {
        m_player->StartSequence(kCircle, kJpg, 58);
        m_frames->write(QStringLiteral("circlesm"), QStringLiteral("circle"), kJpg, 58, kCircleTag + 1);
        m_player->StepBack();
        m_player->StepForward();
        QCOMPARE(shown(), Frame(0, kCircleTag + 1));
    }

    void frameFitsTheBox_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("twice the box") << QSize(648, 488) << QRectF(0, 0, 324, 244);
        QTest::newRow("small and square") << QSize(50, 50) << QRectF(40, 0, 244, 244);
        QTest::newRow("wide") << QSize(648, 244) << QRectF(0, 61, 324, 122);
    }
    void frameFitsTheBox()
    {
        QFETCH(QSize, frame);
        QFETCH(QRectF, expected);
        QImage image(frame, QImage::Format_RGB32);
        image.fill(Qt::red);
        m_player->Image2->setPicture(image);
        QCOMPARE(m_player->Image2->pictureRect(), expected);
    }

    void largeFrameIsDrawnSmoothly()
    {
        // Fine black and white stripes at twice the box's size grey out when drawn smoothly;
        // crude sampling would keep pure black or white.
        QImage image(648, 488, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (x % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        m_player->Image2->setPicture(image);
        const QImage drawn = m_player->Image2->grab().toImage();
        const int grey = qRed(drawn.pixel(drawn.width() / 2, drawn.height() / 2));
        QVERIFY2(grey > 60 && grey < 195, qPrintable(QString::number(grey)));
    }

    void barButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("play") << int(MediaBar::Play) << "Play";
        QTest::newRow("pause") << int(MediaBar::Pause) << "Pause";
        QTest::newRow("back") << int(MediaBar::Back) << "Step back";
        QTest::newRow("next") << int(MediaBar::Next) << "Step forward";
    }
    void barButtons()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        showHost();
        QAbstractButton* b = m_player->MMControl1->button(static_cast<MediaBar::Button>(button));
        QCOMPARE(b->accessibleName(), name);
        QCOMPARE(b->toolTip(), name);
        QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
        // Left to right in that order, together filling the bar.
        const int bar = m_player->MMControl1->width();
        QCOMPARE(b->x(), bar * button / MediaBar::buttonCount);
        QCOMPARE(b->x() + b->width(), bar * (button + 1) / MediaBar::buttonCount);
        // A drawn symbol, dark when enabled and greyed when not.
        const auto dark = [](QRgb p) { return qGray(p) < 40; };
        QCOMPARE(countPixels(b->grab().toImage(), dark) > 0, b->isEnabled());
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
