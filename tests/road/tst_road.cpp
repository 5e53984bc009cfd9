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
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "picturebutton.h"
#include "problempage.h"
#include "road.h"
#include "titlefrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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
        auto* title = qobject_cast<Titlefrm*>(navigation::show(QStringLiteral("Titlefrm")));
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

    // The type rule is shared: the first folding problem never repeats the last circles type.
    void lastProblemCarriesAcrossModules()
    {
        for (int round = 0; round < 20; ++round) {
            auto* c = navigation::show(QStringLiteral("circles"));
            const int type = Module1::lastproblem;
            delete c;
            auto* f = navigation::show(QStringLiteral("folding"));
            QVERIFY(Module1::lastproblem != type);
            delete f;
        }
    }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
