// The whole road through the program with real clicks and keys, as a pupil takes it: at every
// step exactly the expected windows exist, and every page left behind has been destroyed.

#include "../common/windows.h"
#include "circles0.h"
#include "draws.h"
#include "folding0.h"
#include "fonts.h"
#include "intro0.h"
#include "jotter.h"
#include "labelbutton.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "picturebutton.h"
#include "problempage.h"
#include "road.h"
#include "titlefrm.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

using windows::openWindows;

// The one page open, of the expected kind, with the Jotter beside it or not.
template <typename T>
T* expectOnly(bool jotterOpen = false)
{
    return windows::only<T>(jotterOpen);
}

void drag(QWidget* surface, QPoint from, QPoint to)
{
    auto send = [surface](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        send(QEvent::MouseMove, from + (to - from) * i / 10, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QString typedRight(double answer)
{
    return QString::number(answer, 'f', 3);
}

} // namespace

class TestRoad : public QObject {
    Q_OBJECT
    int m_ended = 0;

    // One module from the menu to the menu again: lesson, another shape, problems, right and
    // wrong answers, the answer shown, the next problem, the Jotter, exit.
    template <typename Lesson>
    void walkModule(int menuEntry, int otherShape)
    {
        auto* menu = expectOnly<intro0>();
        QVERIFY(menu);
        QPointer<intro0> oldMenu(menu);
        QTest::mouseClick(menu->Label2[menuEntry], Qt::LeftButton);
        auto* lesson = expectOnly<Lesson>();
        QVERIFY(lesson);
        QVERIFY(!oldMenu);
        QTest::mouseClick(lesson->Option1[otherShape], Qt::LeftButton, {},
                          QPoint(8, lesson->Option1[otherShape]->height() / 2));
        QVERIFY(lesson->Option1[otherShape]->isChecked());
        QCOMPARE(Module1::framenum, 0);

        QPointer<Lesson> oldLesson(lesson);
        QTest::mouseClick(lesson->Label15, Qt::LeftButton);
        auto* problems = expectOnly<ProblemPage>();
        QVERIFY(problems);
        QVERIFY(!oldLesson);
        problems->activateWindow();

        QTest::keyClicks(problems->Text1, typedRight(Module1::answer));
        QTest::keyClick(problems->Text1, Qt::Key_Return);
        QCOMPARE(problems->Label4->text(), QStringLiteral("Correct, Well Done!"));
        QVERIFY(problems->Label4->isVisible());
        problems->Text1->clear();
        QTest::keyClicks(problems->Text1, QString::number(Module1::answer + 1.0, 'f', 2));
        QTest::mouseClick(problems->cmdcheckit, Qt::LeftButton);
        QCOMPARE(problems->Label4->text(), QStringLiteral("Wrong, Try Again"));
        QTest::mouseClick(problems->cmdsoln, Qt::LeftButton);
        QCOMPARE(problems->Label4->text(), QString::number(Module1::answer, 'f', 2));

        const QString question = problems->Label1->text();
        const int type = Module1::lastproblem;
        QTest::mouseClick(problems->cmdgo, Qt::LeftButton);
        QVERIFY(Module1::lastproblem != type);
        QVERIFY(problems->Label1->text() != question);
        QVERIFY(problems->Text1->text().isEmpty());
        QVERIFY(problems->Label4->text().isEmpty());

        QTest::mouseClick(problems->cmdjotter, Qt::LeftButton);
        QVERIFY(expectOnly<ProblemPage>(true));
        jotter::notepad* pad = jotter::instance();
        drag(pad->drawingSurface(), {40, 40}, {160, 90});
        QCOMPARE(QColor(pad->surface().pixel(100, 65)), QColor(255, 255, 0));
        QTest::mouseClick(problems->cmdjotter, Qt::LeftButton);
        QCOMPARE(jotter::instance(), pad);

        QPointer<ProblemPage> oldProblems(problems);
        QTest::mouseClick(problems->cmdexit, Qt::LeftButton);
        QVERIFY(expectOnly<intro0>());
        QVERIFY(!oldProblems);
        QVERIFY(!jotter::instance());
    }

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        navigation::setEndProgram([this] {
            ++m_ended;
            for (QWidget* w : openWindows())
                delete w;
        });
        Module1::reset();
    }

    void wholeRoad()
    {
        QElapsedTimer clock;
        clock.start();
        auto ranAt = std::make_shared<qint64>(-1);
        road::afterFirstFrame([ranAt, clock] { *ranAt = clock.elapsed(); });
        auto* title = qobject_cast<Titlefrm*>(navigation::show(QStringLiteral("Titlefrm")));
        QCOMPARE(*ranAt, -1);
        // Run by the title's first frame, not by the two seconds' fallback.
        QTRY_VERIFY(*ranAt >= 0 && *ranAt < 1500);
        QVERIFY(expectOnly<Titlefrm>());
        QCOMPARE(title->Command1->text(), QStringLiteral("OK"));
        QPointer<Titlefrm> oldTitle(title);
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        QVERIFY(expectOnly<intro0>());
        QVERIFY(!oldTitle);

        walkModule<circles0>(0, 2);
        if (QTest::currentTestFailed())
            return;
        walkModule<folding0>(4, 3);
        if (QTest::currentTestFailed())
            return;

        auto* menu = expectOnly<intro0>();
        QTest::mouseClick(menu->Command1, Qt::LeftButton);
        title = expectOnly<Titlefrm>();
        QVERIFY(title);
        QCOMPARE(title->Command1->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        menu = expectOnly<intro0>();
        QVERIFY(menu);
        QTest::mouseClick(menu->Command1, Qt::LeftButton);
        title = expectOnly<Titlefrm>();
        QVERIFY(title);
        QCOMPARE(m_ended, 0);
        QTest::mouseClick(title->Command2, Qt::LeftButton);
        QCOMPARE(m_ended, 1);
        QVERIFY(openWindows().isEmpty());
    }

    // The lesson's exit goes to the menu and closes a Jotter left open on the way.
    void lessonExitClosesTheJotter()
    {
        for (QWidget* w : openWindows())
            delete w;
        navigation::show(QStringLiteral("circles0"));
        jotter::show();
        auto* lesson = expectOnly<circles0>(true);
        QVERIFY(lesson);
        QTest::mouseClick(lesson->cmdexit, Qt::LeftButton);
        QVERIFY(expectOnly<intro0>());
        for (QWidget* w : openWindows())
            delete w;
    }

    // A double-click on a page's exit: the first click leaves for the menu, whose own exit
    // stands at the same place; the second click is not taken as a click on it. Once the
    // pupil's double-click time has passed, a click there is a click again. A quick click
    // elsewhere on the menu is a click of its own.
    void doubleClickOnExitStopsAtTheMenu_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("interval"); // the double-click time, in ms
        QTest::addColumn<bool>("stays");
        QTest::addColumn<bool>("onCircles"); // the second click on the menu's "Circles"
        for (const char* page : {"circles0", "folding0", "circles", "folding"}) {
            QTest::addRow("%s, double-click", page) << page << 60000 << true << false;
            QTest::addRow("%s, two clicks", page) << page << 100 << false << false;
        }
        QTest::addRow("circles0, then Circles at once") << "circles0" << 60000 << false << true;
    }

    void doubleClickOnExitStopsAtTheMenu()
    {
        QFETCH(QString, page);
        QFETCH(int, interval);
        QFETCH(bool, stays);
        QFETCH(bool, onCircles);
        QStyleHints* hints = QGuiApplication::styleHints();
        const int before = hints->mouseDoubleClickInterval();
        auto restore = qScopeGuard([&] {
            hints->setMouseDoubleClickInterval(before);
            windows::closeEverything();
        });

        Page* first = navigation::show(page);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        auto* exit = first->findChild<PictureButton*>(QStringLiteral("cmdexit"));
        const QPoint at = exit->mapTo(first, exit->rect().center());
        const QPoint onScreen = first->mapToGlobal(at);
        // Through the window, as the window system delivers clicks. The test's clicks are the
        // test library's time apart: as far as a double-click time of 100 ms allows, but well
        // within one of a minute.
        QTest::mouseClick(first->windowHandle(), Qt::LeftButton, {}, at);
        hints->setMouseDoubleClickInterval(interval);
        QPointer<intro0> menu = expectOnly<intro0>();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->Command1->mapToGlobal(menu->Command1->rect().center()), onScreen);
        if (onCircles) {
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              menu->Label2[0]->mapTo(menu, menu->Label2[0]->rect().center()));
            QVERIFY(expectOnly<circles0>());
            return;
        }
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
        if (!stays) {
            QVERIFY(expectOnly<Titlefrm>());
            return;
        }
        QVERIFY2(expectOnly<intro0>() && menu, "the second click left the menu");
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(expectOnly<Titlefrm>());
    }

    // The window manager's close button does what the page's exit does.
    void closingAPageIsItsExit_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("withJotter");
        QTest::addColumn<QString>("next");
        QTest::newRow("menu") << "intro0" << false << "Titlefrm";
        QTest::newRow("circles lesson") << "circles0" << true << "intro0";
        QTest::newRow("folding lesson") << "folding0" << false << "intro0";
        QTest::newRow("circles problems") << "circles" << true << "intro0";
        QTest::newRow("folding problems") << "folding" << false << "intro0";
    }

    void closingAPageIsItsExit()
    {
        QFETCH(QString, page);
        QFETCH(bool, withJotter);
        QFETCH(QString, next);
        auto cleanup = qScopeGuard([] { windows::closeEverything(); });
        QPointer<Page> p = navigation::show(page);
        if (withJotter)
            jotter::show();
        QVERIFY(p->close() == false); // the page itself is never closed: it is left
        const QList<QWidget*> open = openWindows();
        QVERIFY(!p);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->objectName(), next);
        QVERIFY(!jotter::instance());
    }

    // A minimised page rests its animation and plays on when shown again; an animation the
    // pupil paused stays paused.
    void minimisedPageRests_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("paused");
        for (const char* page : {"Titlefrm", "circles0", "folding0", "circles", "folding"})
            QTest::newRow(page) << page << false;
        QTest::newRow("circles0, paused") << "circles0" << true;
        QTest::newRow("folding, paused") << "folding" << true;
    }

    void minimisedPageRests()
    {
        QFETCH(QString, page);
        QFETCH(bool, paused);
        auto cleanup = qScopeGuard([] { windows::closeEverything(); });
        Page* p = navigation::show(page);
        auto* timer = p->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        if (paused)
            QTest::mouseClick(p->findChild<MediaBar*>()->button(MediaBar::Pause), Qt::LeftButton);
        p->showMinimized();
        QVERIFY(!timer->isActive());
        p->showNormal();
        QCOMPARE(timer->isActive(), !paused);
    }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
