// The title screen: its looping animation, its fallback when the first picture cannot be read,
// and its two buttons.

#include "../common/fixtures.h"
#include "intro0.h"
#include "module1.h"
#include "navigation.h"
#include "pagecount.h"
#include "picturebox.h"
#include "pictures.h"
#include "titlefrm.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestTitle : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    int m_ended = 0;

    static QColor shown(const Titlefrm& t) { return fixtures::centreColour(t.Picture1->picture()); }

private Q_SLOTS:
    void initTestCase()
    {
        for (int n = 0; n < 50; ++n)
            QVERIFY(fixtures::writePicture(m_root.path(),
                                           QStringLiteral("conenwsm/conene%1.jpg").arg(n, 2, 10, QLatin1Char('0')),
                                           fixtures::colourFor(n)));
        navigation::registerPage(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
        navigation::registerPage(QStringLiteral("intro0"), [] { return new intro0; });
        navigation::setEndProgram([this] { ++m_ended; });
    }
    void init()
    {
        pictures::setSearchRoots({m_root.path()});
        Module1::reset();
        m_ended = 0;
    }
    void cleanup() { pagecount::destroyAll(); }

    void tickShowsTheNextPicture_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("picture");
        QTest::newRow("9th tick") << 9 << 9;
        QTest::newRow("10th tick") << 10 << 10;
        QTest::newRow("49th tick") << 49 << 49;
        QTest::newRow("50th tick wraps") << 50 << 0;
        QTest::newRow("51st tick") << 51 << 1;
    }
    void tickShowsTheNextPicture()
    {
        QFETCH(int, ticks);
        QFETCH(int, picture);
        Titlefrm title;
        QVERIFY(!title.tookFallback());
        QVERIFY(title.Timer1->isActive());
        QCOMPARE(title.Timer1->interval(), 50);
        QCOMPARE(title.Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(fixtures::sameColour(shown(title), fixtures::colourFor(0)));
        for (int i = 0; i < ticks; ++i)
            title.Timer1_Timer();
        QCOMPARE(Module1::framenum, picture);
        QVERIFY(fixtures::sameColour(shown(title), fixtures::colourFor(picture)));
        QCOMPARE(Titlefrm::frameFile(picture),
                 QStringLiteral("conenwsm\\conene%1.jpg").arg(picture, 2, 10, QLatin1Char('0')));
    }

    // The normal path keeps the small grey window, centred.
    void normalPathKeepsTheDesignedWindow()
    {
        Titlefrm title;
        QCOMPARE(title.size(), QSize(364, 438));
        QCOMPARE(pageprops::backColor(title), QColor(192, 192, 192));
        QCOMPARE(title.pos(), QPoint((1024 - 364) / 2, (768 - 438) / 2));
        QCOMPARE(title.Command1->text(), QStringLiteral("OK"));
    }

    // Without its first picture the title takes the common page frame and still animates;
    // a counter left high by another animation comes back into range.
    void fallbackWhenFirstPictureIsMissing()
    {
        QTemporaryDir partial;
        for (int n = 1; n < 50; n += 2)
            QVERIFY(fixtures::writePicture(partial.path(),
                                           QStringLiteral("conenwsm/conene%1.jpg").arg(n, 2, 10, QLatin1Char('0')),
                                           fixtures::colourFor(n)));
        pictures::setSearchRoots({partial.path()});
        Module1::framenum = 73;
        Titlefrm title;
        QVERIFY(title.tookFallback());
        QCOMPARE(title.size(), QSize(800, 600));
        QCOMPARE(pageprops::backColor(title), QColor(40, 66, 156));
        QVERIFY(title.Picture1->picture().isNull());
        QVERIFY(title.Timer1->isActive());
        title.Timer1_Timer();
        QCOMPARE(Module1::framenum, 0);
        title.Timer1_Timer();
        QVERIFY(fixtures::sameColour(shown(title), fixtures::colourFor(1)));
        // Picture 2 is missing: picture 1 stays on show and the animation goes on.
        title.Timer1_Timer();
        QVERIFY(fixtures::sameColour(shown(title), fixtures::colourFor(1)));
        title.Timer1_Timer();
        QVERIFY(fixtures::sameColour(shown(title), fixtures::colourFor(3)));
    }

    void okOpensTheMenuAndLeaves()
    {
        auto* title = navigation::show(QStringLiteral("Titlefrm"));
        QVERIFY(title);
        QTest::mouseClick(static_cast<Titlefrm*>(title)->Command1, Qt::LeftButton);
        QVERIFY(pagecount::onlyPage<intro0>());
    }

    void exitAndCloseEndTheProgram()
    {
        Titlefrm title;
        title.show();
        QTest::mouseClick(title.Command2, Qt::LeftButton);
        QCOMPARE(m_ended, 1);
        QVERIFY(!title.Timer1->isActive());
        Titlefrm other;
        other.show();
        other.close();
        QCOMPARE(m_ended, 2);
    }
};

QTEST_MAIN(TestTitle)
#include "tst_title.moc"
