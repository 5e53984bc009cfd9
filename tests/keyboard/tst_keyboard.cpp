// The pupil without a mouse: real key presses through every page. Tab goes in reading order,
// Space and the arrows work the animation when the picture has the focus, Enter presses what
// has the focus and checks an answer, the buttons kept out of the Tab order have keys of their
// own, and whatever has the focus looks different from when it has not.

#include "draws.h"
#include "fonts.h"
#include "intro0.h"
#include "jotter.h"
#include "labelbutton.h"
#include "lessonpage.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "page.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "problempage.h"
#include "../common/windows.h"
#include "road.h"
#include "titlefrm.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

using windows::closeEverything;
using windows::openWindows;

// The name of the one page open, or a note of how many there are.
QString onlyPageName()
{
    QStringList names;
    for (QWidget* w : openWindows()) {
        if (qobject_cast<Page*>(w))
            names << QLatin1String(w->metaObject()->className());
    }
    return names.size() == 1 ? names.first() : QStringLiteral("%1 pages").arg(names.size());
}

// Opens a page as the program does and gives it the keyboard.
template <typename T = Page>
T* openPage(const QString& name)
{
    Page* page = navigation::show(name);
    if (!page)
        return nullptr;
    page->activateWindow();
    if (!QTest::qWaitForWindowActive(page))
        return nullptr;
    return qobject_cast<T*>(page);
}

// A control of the page by a short name: object names, and the media bar's buttons by theirs.
QWidget* control(QWidget* page, const QString& name)
{
    static const QHash<QString, MediaBar::Button> bar{{QStringLiteral("Play"), MediaBar::Play},
                                                     {QStringLiteral("Pause"), MediaBar::Pause},
                                                     {QStringLiteral("Back"), MediaBar::Back},
                                                     {QStringLiteral("Next"), MediaBar::Next}};
    if (bar.contains(name)) {
        auto* mediaBar = page->findChild<MediaBar*>(QStringLiteral("MMControl1"));
        return mediaBar ? mediaBar->button(bar.value(name)) : nullptr;
    }
    return page->findChild<QWidget*>(name);
}

QString nameOf(QWidget* page, QWidget* w)
{
    if (!w)
        return QStringLiteral("(nothing)");
    for (const char* b : {"Play", "Pause", "Back", "Next"}) {
        if (control(page, QLatin1String(b)) == w)
            return QLatin1String(b);
    }
    return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                     : w->objectName();
}

// Where the focus goes, Tab after Tab, starting on `from`.
QStringList tabWalk(QWidget* page, QWidget* from, int steps)
{
    from->setFocus(Qt::TabFocusReason);
    QStringList walk{nameOf(page, QApplication::focusWidget())};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk << nameOf(page, QApplication::focusWidget());
    }
    return walk;
}

void pause(Page* page)
{
    control(page, QStringLiteral("Pause"))->setFocus();
    QTest::keyClick(control(page, QStringLiteral("Pause")), Qt::Key_Space);
}

// The checked option's object name, for the lesson walks.
QString checkedOption(LessonPage* lesson)
{
    return lesson->Option1[lesson->selectedShape()]->objectName();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    int m_ended = 0;

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        navigation::setEndProgram([this] {
            ++m_ended;
            // The handler that ends the program is still running on its page.
            jotter::close();
            for (QWidget* w : openWindows())
                w->deleteLater();
        });
        // Second shape on the lessons; problems of every kind in turn.
        draws::setSeedFactory([] { return draws::fixed({0.3, 0.55, 0.25, 0.7}); });
    }

    void init() { Module1::reset(); }
    void cleanup() { closeEverything(); }

    void problemTabOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QStringList>("walk");
        // Only the bar's buttons that can be clicked take the focus.
        const QStringList playing{"Text1", "Image2", "Pause", "Text1"};
        const QStringList paused{"Text1", "Image2", "Play", "Pause", "Back", "Next", "Text1"};
        QTest::newRow("circles, playing") << "circles" << false << playing;
        QTest::newRow("circles, paused") << "circles" << true << paused;
        QTest::newRow("folding, playing") << "folding" << false << playing;
        QTest::newRow("folding, paused") << "folding" << true << paused;
    }

    void problemTabOrder()
    {
        QFETCH(QString, page);
        QFETCH(bool, paused);
        QFETCH(QStringList, walk);
        auto* problems = openPage<ProblemPage>(page);
        QVERIFY(problems);
        QCOMPARE(QApplication::focusWidget(), problems->Text1);
        if (paused)
            pause(problems);
        QCOMPARE(tabWalk(problems, problems->Text1, int(walk.size()) - 1), walk);
        // And back the other way.
        QStringList back = walk;
        std::reverse(back.begin(), back.end());
        problems->Text1->setFocus(Qt::TabFocusReason);
        QStringList walked{nameOf(problems, QApplication::focusWidget())};
        for (qsizetype i = 1; i < back.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            walked << nameOf(problems, QApplication::focusWidget());
        }
        QCOMPARE(walked, back);
    }

    void lessonTabOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QStringList>("afterShapes");
        QTest::newRow("circles0, playing") << "circles0" << false
                                           << QStringList{"Image2", "Pause", "Label15"};
        QTest::newRow("folding0, paused")
            << "folding0" << true
            << QStringList{"Image2", "Play", "Pause", "Back", "Next", "Label15"};
    }

    // The shapes on the left, the picture and its bar on the right, the link at the foot.
    void lessonTabOrder()
    {
        QFETCH(QString, page);
        QFETCH(bool, paused);
        QFETCH(QStringList, afterShapes);
        auto* lesson = openPage<LessonPage>(page);
        QVERIFY(lesson);
        if (paused)
            pause(lesson);
        QWidget* shape = lesson->Option1[lesson->selectedShape()];
        const QStringList walk = tabWalk(lesson, shape, int(afterShapes.size()) + 1);
        QCOMPARE(walk.first(), checkedOption(lesson));
        QCOMPARE(walk.mid(1, afterShapes.size()), afterShapes);
        QCOMPARE(walk.last(), checkedOption(lesson));
    }

    // The menu: the live entries top to bottom, "My Progress", the link, the exit button.
    void menuTabOrder()
    {
        auto* menu = openPage<intro0>(QStringLiteral("intro0"));
        QVERIFY(menu);
        QCOMPARE(QApplication::focusWidget(), menu->Label2[0]);
        QCOMPARE(tabWalk(menu, menu->Label2[0], 5),
                 (QStringList{"Label2_0", "Label2_4", "lblprogress", "Label6", "Command1",
                              "Label2_0"}));
    }

    void animationKeys_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("startFrame");
        QTest::addColumn<bool>("pausedAfter");
        QTest::addColumn<int>("frameAfter"); // -1: the last frame of the sequence
        const int none = Qt::NoModifier;
        QTest::newRow("Space pauses") << false << int(Qt::Key_Space) << none << 4 << true << 4;
        QTest::newRow("Space plays") << true << int(Qt::Key_Space) << none << 4 << false << 4;
        QTest::newRow("Right steps on") << true << int(Qt::Key_Right) << none << 4 << true << 5;
        QTest::newRow("Left steps back") << true << int(Qt::Key_Left) << none << 4 << true << 3;
        QTest::newRow("Left from the first frame wraps")
            << true << int(Qt::Key_Left) << none << 0 << true << -1;
        QTest::newRow("Right from the last frame wraps")
            << true << int(Qt::Key_Right) << none << -1 << true << 0;
        // The step buttons are greyed while the animation plays; so are their keys.
        QTest::newRow("Right while playing")
            << false << int(Qt::Key_Right) << none << 4 << false << 4;
        QTest::newRow("Left while playing")
            << false << int(Qt::Key_Left) << none << 4 << false << 4;
        QTest::newRow("Ctrl+Space is not Space")
            << false << int(Qt::Key_Space) << int(Qt::ControlModifier) << 4 << false << 4;
        QTest::newRow("other keys do nothing") << true << int(Qt::Key_Up) << none << 4 << true << 4;
    }

    void animationKeys()
    {
        QFETCH(bool, paused);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, startFrame);
        QFETCH(bool, pausedAfter);
        QFETCH(int, frameAfter);
        for (const char* name : {"circles0", "folding"}) {
            auto* page = openPage(QLatin1String(name));
            QVERIFY(page);
            auto* bar = page->findChild<MediaBar*>(QStringLiteral("MMControl1"));
            auto* timer = page->findChild<QTimer*>(QStringLiteral("Timer1"));
            QWidget* image = page->findChild<QWidget*>(QStringLiteral("Image2"));
            QVERIFY(bar && timer && image);
            if (paused)
                pause(page);
            const int last = Module1::framecount - 1;
            Module1::framenum = startFrame < 0 ? last : startFrame;
            image->setFocus(Qt::TabFocusReason);
            QTest::keyClick(image, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(!timer->isActive(), pausedAfter);
            QCOMPARE(bar->isButtonEnabled(MediaBar::Play), pausedAfter);
            QCOMPARE(bar->isButtonEnabled(MediaBar::Next), pausedAfter);
            QCOMPARE(Module1::framenum, frameAfter < 0 ? last : frameAfter);
            QCOMPARE(QApplication::focusWidget(), image);
            closeEverything();
        }
    }

    void enterPresses_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens"); // the page open afterwards; empty: the program ended
        QTest::newRow("title OK") << "Titlefrm" << "Command1" << "intro0";
        QTest::newRow("title Exit") << "Titlefrm" << "Command2" << "";
        QTest::newRow("menu Circles") << "intro0" << "Label2_0" << "circles0";
        QTest::newRow("menu Paper Folding") << "intro0" << "Label2_4" << "folding0";
        QTest::newRow("menu exit button") << "intro0" << "Command1" << "Titlefrm";
        QTest::newRow("menu My Progress") << "intro0" << "lblprogress" << "myprogress";
        QTest::newRow("progress exit button") << "myprogress" << "cmdexit" << "intro0";
        QTest::newRow("circles lesson, Problems Page") << "circles0" << "Label15" << "circles";
        QTest::newRow("folding lesson, Problems Page") << "folding0" << "Label15" << "folding";
    }

    void enterPresses()
    {
        QFETCH(QString, page);
        QFETCH(QString, control);
        QFETCH(QString, opens);
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
            Page* p = openPage(page);
            QVERIFY(p);
            QWidget* w = ::control(p, control);
            QVERIFY(w);
            w->setFocus(Qt::TabFocusReason);
            const int endedBefore = m_ended;
            QTest::keyClick(w, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier
                                                                   : Qt::NoModifier);
            if (opens.isEmpty()) {
                QCOMPARE(m_ended, endedBefore + 1);
            } else {
                QCOMPARE(m_ended, endedBefore);
                QCOMPARE(onlyPageName(), opens);
            }
            closeEverything();
        }
    }

    void enterInTheJotter_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("portrait");
        QTest::newRow("Exit") << "Command1" << true << false;
        QTest::newRow("Flip") << "Command3" << false << true;
        QTest::newRow("Erase") << "Command5" << false << false;
    }

    // The Jotter's buttons are pressed by Enter as by Space.
    void enterInTheJotter()
    {
        QFETCH(QString, button);
        QFETCH(bool, closes);
        QFETCH(bool, portrait);
        jotter::show();
        QPointer<jotter::notepad> pad = jotter::instance();
        QVERIFY(pad);
        pad->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pad));
        auto* b = pad->findChild<QPushButton*>(button);
        QVERIFY(b);
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(jotter::instance() == nullptr, closes);
        if (!closes) {
            QCOMPARE(pad->isPortrait(), portrait);
            QCOMPARE(pad->pen().isErasing(), button == QLatin1String("Command5"));
        }
    }

    // Enter on the bar's buttons, as Space.
    void enterOnTheBar()
    {
        auto* lesson = openPage<LessonPage>(QStringLiteral("circles0"));
        QVERIFY(lesson);
        QAbstractButton* pauseButton = lesson->MMControl1->button(MediaBar::Pause);
        pauseButton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pauseButton, Qt::Key_Return);
        QVERIFY(!lesson->Timer1->isActive());
        QAbstractButton* next = lesson->MMControl1->button(MediaBar::Next);
        next->setFocus(Qt::TabFocusReason);
        const int frame = Module1::framenum;
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(Module1::framenum, (frame + 1) % Module1::framecount);
    }

    void buttonKeys_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("does");
        struct Key {
            const char* what;
            QKeyCombination key;
            const char* does;
        };
        const Key keys[] = {{"Alt+C checks", Qt::ALT | Qt::Key_C, "check"},
                            {"Alt+A shows the answer", Qt::ALT | Qt::Key_A, "answer"},
                            {"Alt+N makes the next problem", Qt::ALT | Qt::Key_N, "next"},
                            {"Alt+J opens the Jotter", Qt::ALT | Qt::Key_J, "jotter"},
                            {"Alt+X leaves", Qt::ALT | Qt::Key_X, "menu"}};
        for (const char* page : {"circles", "folding"}) {
            for (const Key& k : keys)
                QTest::addRow("%s, %s", page, k.what) << page << k.key.toCombined() << k.does;
        }
        for (const char* page : {"circles0", "folding0"})
            QTest::addRow("%s, Alt+X leaves", page) << page << (Qt::ALT | Qt::Key_X).toCombined()
                                                    << "menu";
    }

    // The buttons out of the Tab order answer to keys of their own, wherever the focus is.
    void buttonKeys()
    {
        QFETCH(QString, page);
        QFETCH(int, key);
        QFETCH(QString, does);
        Page* p = openPage(page);
        QVERIFY(p);
        auto* problems = qobject_cast<ProblemPage*>(p);
        const int type = Module1::lastproblem;
        if (problems)
            QTest::keyClicks(problems->Text1, QString::number(Module1::answer, 'f', 3));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(focus, combination.key(), combination.keyboardModifiers());

        if (does == QLatin1String("menu")) {
            QTRY_COMPARE(onlyPageName(), QStringLiteral("intro0"));
            return;
        }
        QVERIFY(problems);
        if (does == QLatin1String("check")) {
            QTRY_COMPARE(problems->Label4->text(), QStringLiteral("Correct, Well Done!"));
            QVERIFY(problems->Label4->isVisible());
        } else if (does == QLatin1String("answer")) {
            QTRY_COMPARE(problems->Label4->text(), QString::number(Module1::answer, 'f', 2));
        } else if (does == QLatin1String("next")) {
            QTRY_VERIFY(Module1::lastproblem != type);
            QVERIFY(problems->Text1->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), problems->Text1);
        } else if (does == QLatin1String("jotter")) {
            QTRY_VERIFY(jotter::instance());
            QVERIFY(jotter::instance()->isVisible());
        }
    }

    // Enter in the answer box checks; typing changes nothing else.
    void enterChecks()
    {
        auto* problems = openPage<ProblemPage>(QStringLiteral("circles"));
        QVERIFY(problems);
        QTest::keyClicks(problems->Text1, QString::number(Module1::answer + 1, 'f', 2));
        QVERIFY(problems->Label4->isHidden());
        QTest::keyClick(problems->Text1, Qt::Key_Return);
        QCOMPARE(problems->Label4->text(), QStringLiteral("Wrong, Try Again"));
        problems->Text1->selectAll();
        QTest::keyClicks(problems->Text1, QString::number(Module1::answer, 'f', 2));
        QCOMPARE(problems->Label4->text(), QStringLiteral("Wrong, Try Again"));
        QTest::keyClick(problems->Text1, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(problems->Label4->text(), QStringLiteral("Correct, Well Done!"));
    }

    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* page : {"Titlefrm", "intro0", "circles0", "folding0", "circles", "folding",
                                 "myprogress", "Jotter"})
            QTest::newRow(page) << page;
    }

    // Every control the keyboard can reach draws itself differently while it has the focus.
    void focusIsVisible()
    {
        QFETCH(QString, page);
        QWidget* window = nullptr;
        if (page == QLatin1String("Jotter")) {
            jotter::show();
            window = jotter::instance();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        } else {
            window = openPage(page);
        }
        QVERIFY(window);
        if (auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1")))
            timer->stop(); // the picture must not change between the two looks
        QList<QWidget*> reachable;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
                reachable << w;
        }
        QVERIFY(reachable.size() >= 2);
        for (QWidget* w : reachable) {
            QWidget* other = reachable.first() == w ? reachable.last() : reachable.first();
            other->setFocus(Qt::TabFocusReason);
            QVERIFY(!w->hasFocus());
            const QImage without = w->grab().toImage();
            w->setFocus(Qt::TabFocusReason);
            QVERIFY2(w->hasFocus(), qPrintable(nameOf(window, w)));
            const QImage with = w->grab().toImage();
            const QString name = nameOf(window, w);
            QVERIFY2(with != without, qPrintable(name + QStringLiteral(" looks the same focused")));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
