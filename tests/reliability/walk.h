#pragma once
// Driving the whole program as a pupil does, with real clicks and keys, checking at every step
// that exactly the expected windows exist and that each button did what it is for. Shared by
// the picture-fault, soak and storm tests. The helpers use QVERIFY, so a caller checks
// QTest::currentTestFailed() after each one.

#include "../common/windows.h"
#include "answer.h"
#include "circles0.h"
#include "folding0.h"
#include "intro0.h"
#include "jotter.h"
#include "labelbutton.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "page.h"
#include "picturebutton.h"
#include "player.h"
#include "problempage.h"
#include "titlefrm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace walk {

using windows::closeEverything;
using windows::only;
using windows::openWindows;

// A click where the pupil would click: the control must be on show, enabled and big enough
// to be hit, whether or not its picture could be read.
inline void press(QWidget* control, QPoint at = {})
{
    QVERIFY(control);
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY2(control->width() > 4 && control->height() > 4, qPrintable(control->objectName()));
    QTest::mouseClick(control, Qt::LeftButton, {}, at.isNull() ? control->rect().center() : at);
}

inline void pressBar(MediaBar* bar, MediaBar::Button which)
{
    QVERIFY(bar);
    press(bar->button(which));
}

// Every button of the media bar that is enabled now, in a fixed order, and a few ticks.
inline void workPlayer(Player& player, MediaBar* bar, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        player.Timer1_Timer();
    pressBar(bar, MediaBar::Pause);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!player.Timer1->isActive());
    const int frame = Module1::framenum;
    pressBar(bar, MediaBar::Next);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Module1::framenum, Module1::framecount > 1 ? (frame + 1) % Module1::framecount : 0);
    pressBar(bar, MediaBar::Back);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Module1::framenum, frame);
    pressBar(bar, MediaBar::Play);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(player.Timer1->isActive());
}

// The Jotter's buttons in both shapes, then its own exit.
inline void workJotter()
{
    jotter::notepad* pad = jotter::instance();
    QVERIFY(pad);
    press(pad->Command2); // Write
    press(pad->Label1[3]);
    press(pad->Command5); // Erase
    press(pad->Command6); // Clear
    if (QTest::currentTestFailed())
        return;
    press(pad->Command3); // to portrait
    QVERIFY(pad->isPortrait());
    press(pad->Command10);
    press(pad->Label11[5]);
    press(pad->Command8);
    press(pad->Command7);
    press(pad->Command4); // to landscape
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!pad->isPortrait());
    press(pad->Command1); // Exit
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!jotter::instance());
}

// The problem page: a right answer with Enter, a wrong one with Check, the answer shown, a run
// of new problems, the Jotter, and the way back to the menu.
inline void workProblems(int problemCount, bool withJotter = true)
{
    auto* page = only<ProblemPage>();
    QVERIFY(page);
    QPointer<ProblemPage> guard(page);
    for (int n = 0; n < problemCount; ++n) {
        QVERIFY(!page->Label1->text().isEmpty());
        QVERIFY(page->Text1->text().isEmpty());
        QVERIFY(page->Label4->text().isEmpty());
        page->Text1->setFocus();
        QTest::keyClicks(page->Text1, QString::number(Module1::answer, 'f', 3));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        QCOMPARE(page->Label4->text(), problems::kRight);
        QVERIFY(page->Label4->isVisible());
        page->Text1->clear();
        QTest::keyClicks(page->Text1, QString::number(Module1::answer + 0.5, 'f', 2));
        press(page->cmdcheckit);
        QCOMPARE(page->Label4->text(), problems::kWrong);
        press(page->cmdsoln);
        QCOMPARE(page->Label4->text(), problems::formatAnswer(Module1::answer));
        page->player().Timer1_Timer();
        const int type = Module1::lastproblem;
        press(page->cmdgo);
        QVERIFY(Module1::lastproblem != type);
        if (QTest::currentTestFailed())
            return;
    }
    workPlayer(page->player(), page->MMControl1, 3);
    if (QTest::currentTestFailed())
        return;
    if (withJotter) {
        press(page->cmdjotter);
        QVERIFY(only<ProblemPage>(true));
        workJotter();
        if (QTest::currentTestFailed())
            return;
        press(page->cmdjotter);
        QVERIFY(only<ProblemPage>(true));
    }
    press(page->cmdexit);
    QVERIFY(only<intro0>());
    QVERIFY(!guard);
    QVERIFY(!jotter::instance());
}

// One module from the menu back to the menu: every shape of the lesson with its player, the
// problem page, the exit.
template <typename Lesson>
void workModule(int menuEntry, int problemCount, int ticksPerShape, bool withJotter = true)
{
    auto* menu = only<intro0>();
    QVERIFY(menu);
    press(menu->Label2[menuEntry]);
    auto* lesson = only<Lesson>();
    QVERIFY(lesson);
    QPointer<Lesson> guard(lesson);
    for (int shape = LessonPage::shapeCount - 1; shape >= 0; --shape) {
        QRadioButton* option = lesson->Option1[shape];
        press(option, QPoint(8, option->height() / 2));
        if (QTest::currentTestFailed())
            return;
        QVERIFY(option->isChecked());
        QCOMPARE(lesson->selectedShape(), shape);
        QCOMPARE(Module1::framenum, 0);
        QVERIFY(Module1::framecount > 0);
        workPlayer(lesson->player(), lesson->MMControl1, ticksPerShape);
        if (QTest::currentTestFailed())
            return;
    }
    press(lesson->Label15);
    QVERIFY(only<ProblemPage>());
    QVERIFY(!guard);
    workProblems(problemCount, withJotter);
}

// Title, menu, both modules, the menu's way back to the title, "Cancel", and back to the
// title once more. Ends with the title open.
inline void wholeRoad(int problemCount, int ticksPerShape, bool withJotter = true)
{
    auto* title = only<Titlefrm>();
    QVERIFY(title);
    for (int i = 0; i < 3; ++i)
        title->Timer1_Timer();
    press(title->Command1);
    QVERIFY(only<intro0>());
    // The greyed entries lead nowhere.
    auto* menu = only<intro0>();
    for (int entry : {1, 2, 3, 5})
        menu->Label2_Click(entry);
    QVERIFY(only<intro0>() == menu);
    workModule<circles0>(0, problemCount, ticksPerShape, withJotter);
    if (QTest::currentTestFailed())
        return;
    workModule<folding0>(4, problemCount, ticksPerShape, withJotter);
    if (QTest::currentTestFailed())
        return;
    press(only<intro0>()->Command1);
    title = only<Titlefrm>();
    QVERIFY(title);
    QCOMPARE(title->Command1->text(), QStringLiteral("Cancel"));
    press(title->Command1);
    QVERIFY(only<intro0>());
    press(only<intro0>()->Command1);
    QVERIFY(only<Titlefrm>());
}

} // namespace walk
