// The progress page and practice mode over a real record in a temporary data folder: the states
// of known events, the record turned off or out of reach, the keyboard, the export read back,
// forgetting, and the practice draw over many problems.

#include "dayschart.h"
#include "draws.h"
#include "fonts.h"
#include "journal.h"
#include "module1.h"
#include "myprogress.h"
#include "navigation.h"
#include "picturebutton.h"
#include "problempage.h"
#include "road.h"
#include "sender.h"
#include "statestrip.h"
#include "store.h"
#include "../common/windows.h"

#include <QAccessible>
#include <QFile>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using record::Module;
using record::State;

namespace {

// `count` problems of a type shown `daysAgo`, each with its checks in order (R right, W wrong).
QList<record::Event> history(Module m, int type, QByteArrayView checks, int count = 1, int daysAgo = 0,
                             const QStringList& slips = {})
{
    QList<record::Event> out;
    for (int i = 0; i < count; ++i) {
        record::Event shown = record::makeEvent(record::Kind::Shown);
        shown.time = QDateTime::currentDateTimeUtc().addDays(-daysAgo).addSecs(-60);
        shown.problem = shown.id;
        shown.module = m;
        shown.type = type;
        shown.question = QStringLiteral("What is it, \"exactly\", for 3?");
        out << shown;
        for (qsizetype k = 0; k < checks.size(); ++k) {
            record::Event check = shown;
            check.id = QUuid::createUuid();
            check.kind = record::Kind::Check;
            check.time = shown.time.addSecs(10 * (k + 1));
            check.right = checks[k] == 'R';
            check.firstTry = k == 0;
            check.typed = check.right ? QStringLiteral("28.27") : QStringLiteral("9,42");
            check.slips = check.right ? QStringList() : slips;
            out << check;
        }
    }
    return out;
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<record::Journal> m_journal;

    // A record of the events in a fresh data folder (none when the folder is unusable), and the
    // program's journal over it.
    void recordOf(const QList<record::Event>& events)
    {
        QVERIFY(events.isEmpty() || record::Store(record::defaultPath()).append(events));
        m_journal = std::make_unique<record::Journal>(record::defaultPath());
        m_journal->load();
        m_journal->flush();
        record::setJournal(m_journal.get());
    }

    // Circles: the circumference mastered, the area practised, a sector that needed help;
    // Paper Folding: the torus mastered ten days ago, so due for review.
    void knownRecord()
    {
        const QStringList slip{QStringLiteral("c1.nosq")};
        recordOf(history(Module::Circles, 0, "R", 3) + history(Module::Circles, 1, "WR", 1, 1, slip)
                 + history(Module::Circles, 1, "R") + history(Module::Circles, 2, "WWWW", 1, 0, slip)
                 + history(Module::Folding, 2, "R", 3, 10));
    }

    myprogress* openProgress()
    {
        auto* page = qobject_cast<myprogress*>(navigation::show(QStringLiteral("myprogress")));
        if (page) {
            page->activateWindow();
            (void)QTest::qWaitForWindowActive(page);
        }
        return page;
    }

private Q_SLOTS:
    void initTestCase() { fonts::registerDesignFonts(), road::registerAllPages(); }

    void init()
    {
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
        auto seed = std::make_shared<QRandomGenerator>(20);
        draws::setSeedFactory([seed] { return [seed] { return seed->generateDouble(); }; });
    }

    void cleanup()
    {
        windows::closeEverything();
        record::setJournal(nullptr);
        m_journal.reset();
        draws::setSeedFactory({});
    }

    void showsStates_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("type");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("share");
        QTest::newRow("three right") << 0 << 0 << State::Mastered << "✓✓✓" << "100%";
        QTest::newRow("one of two") << 0 << 1 << State::Practising << "✗✓" << "50%";
        QTest::newRow("four wrong on one") << 0 << 2 << State::NeedsHelp << "✗" << "0%";
        QTest::newRow("never tried") << 0 << 5 << State::NotStarted << "" << "–";
        QTest::newRow("mastered long ago") << 1 << 2 << State::Review << "✓✓✓" << "100%";
        QTest::newRow("other module") << 1 << 0 << State::NotStarted << "" << "–";
    }
    // The page and the problem page's strip read the states of a record of known events; a
    // screen reader reads each row's state.
    void showsStates()
    {
        QFETCH(int, module);
        QFETCH(int, type);
        QFETCH(State, state);
        QFETCH(QString, marks);
        QFETCH(QString, share);
        knownRecord();
        myprogress* page = openProgress();
        QVERIFY(page);
        QVERIFY(page->lblwhy->isHidden());
        QTableWidget* table = page->tbltypes[module];
        const Module m = module == 0 ? Module::Circles : Module::Folding;
        QCOMPARE(table->item(type, 0)->text(), record::typeName(m, type));
        QCOMPARE(table->item(type, 1)->text(), record::stateName(state));
        QCOMPARE(table->item(type, 2)->text(), marks);
        QCOMPARE(table->item(type, 3)->text(), share);
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(table)
                                         ->tableInterface()->cellAt(type, 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), record::stateName(state));

        const QString chart = page->chart->accessibleDescription();
        QVERIFY2(chart.endsWith(QStringLiteral(": 5 problems, 4 first tries right")), qPrintable(chart));
        QVERIFY2(chart.contains(QStringLiteral(": 3 problems, 3 first tries right")), qPrintable(chart));
        QCOMPARE(page->chart->days().size(), 14);
        QVERIFY2(page->lblslips->text().contains(QStringLiteral("5 times")), qPrintable(page->lblslips->text()));

        page->cmdexit->click();
        auto* problems = qobject_cast<ProblemPage*>(
            navigation::show(module == 0 ? QStringLiteral("circles") : QStringLiteral("folding")));
        QVERIFY(problems && problems->strip->isVisible());
        QCOMPARE(problems->strip->states()[std::size_t(type)], state);
        QVERIFY(problems->strip->accessibleDescription().contains(record::stateName(state)));
    }

    // The strip follows each check: a wrong first try is Practising, a fourth wrong answer on
    // the same problem Needs help.
    void stripFollowsChecks()
    {
        recordOf({});
        auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("circles")));
        QVERIFY(page);
        const auto type = std::size_t(Module1::lastproblem);
        QCOMPARE(page->strip->states()[type], State::NotStarted);
        for (State after : {State::Practising, State::Practising, State::Practising, State::NeedsHelp}) {
            page->Text1->setText(QStringLiteral("-1"));
            page->cmdcheckit_Click();
            QCOMPARE(page->strip->states()[type], after);
        }
    }

    void saysWhy_data()
    {
        QTest::addColumn<bool>("off");
        QTest::newRow("record off") << true;
        QTest::newRow("no usable place") << false;
    }
    // With nothing to show, the page says why in a sentence, and where it tried.
    void saysWhy()
    {
        QFETCH(bool, off);
        QFile blocker(m_data->filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        if (!off) { // the data folder is a file: no folder can be made under it
            qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit());
            recordOf({});
        }
        myprogress* page = openProgress();
        QVERIFY(page);
        QVERIFY(page->lblwhy->isVisible() && !page->lblwhy->text().isEmpty());
        if (!off)
            QVERIFY2(page->lblwhy->text().contains(blocker.fileName()), qPrintable(page->lblwhy->text()));
        QVERIFY(page->tbltypes[0]->isHidden() && page->chart->isHidden() && page->cmdexport->isHidden());
        QVERIFY(!page->exportTo(m_data->filePath(QStringLiteral("out.csv"))));
        page->cmdexit->click();
        QVERIFY(windows::only<Page>() && windows::only<Page>()->objectName() == QLatin1String("intro0"));
    }

    // Tab goes through the page in reading order; Enter on a practice button opens practice.
    void keyboard()
    {
        knownRecord();
        myprogress* page = openProgress();
        QVERIFY(page);
        QCOMPARE(QApplication::focusWidget(), page->cmdpractise[0]);
        QStringList walk;
        for (int i = 0; i < 9; ++i) {
            walk << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walk, (QStringList{"cmdpractise0", "tblcircles", "cmdpractise1", "tblfolding",
                                    "chart", "cmdexport", "cmdforget", "cmdexit", "cmdpractise0"}));
        for (QWidget* w : page->findChildren<QWidget*>())
            QVERIFY2(!(w->focusPolicy() & Qt::TabFocus)
                         || !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                     qPrintable(w->objectName()));
        QTest::keyClick(page->cmdpractise[1], Qt::Key_Return);
        auto* practice = windows::only<ProblemPage>();
        QVERIFY(practice && practice->mode() == ProblemPage::Mode::Practice);
    }

    // The export, read back: a line per check. Then forgetting: it asks first, and Enter there keeps the record; confirmed, nothing is left.
    void exportThenForget()
    {
        knownRecord();
        myprogress* page = openProgress();
        QVERIFY(page);
        const QString file = m_data->filePath(QStringLiteral("mine.csv"));
        QVERIFY(page->exportTo(file));
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray all = in.readAll(); // the header, then each check: the file's layout is the store's
        QVERIFY(all.count('\n') == 1 + 13 && all.count(",\"9,42\",wrong,") == 5);

        QTimer::singleShot(0, page, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        page->cmdforget_Click();
        QCOMPARE(page->tbltypes[0]->item(0, 1)->text(), record::stateName(State::Mastered));
        page->forget();
        QCOMPARE(page->tbltypes[0]->item(0, 1)->text(), record::stateName(State::NotStarted));
        QCOMPARE(page->tbltypes[1]->item(2, 1)->text(), record::stateName(State::NotStarted));
        QVERIFY(record::Store(record::defaultPath()).events().isEmpty());
    }

    // With a class record whose server does not answer, the page says how many answers wait
    // once the sender has tried; without one it says nothing of it.
    void classState()
    {
        knownRecord();
        QVERIFY(openProgress()->lblclass->isHidden());
        windows::closeEverything();
        record::Sender sender(record::defaultPath(), QStringLiteral("no-such-service"), m_journal.get());
        record::setSender(&sender);
        myprogress* page = openProgress();
        sender.start();
        QTRY_COMPARE(page->lblclass->text(),
                     QStringLiteral("Waiting for the school's server: 13 answers kept on this computer"));
        QVERIFY(page->lblclass->isVisible());
        windows::closeEverything();
        record::setSender(nullptr);
    }

    // Practice over many problems on a real record: never a type twice in a row, a mastered type
    // at least every fourth problem when there is one, the most needed types most often.
    void practiceDraw()
    {
        const QByteArray states("MMHPNN"); // M mastered, H needs help, P practising, N not started
        QList<record::Event> events;
        for (int type = 0; type < 6; ++type) {
            const char s = states[type];
            events << history(Module::Folding, type, s == 'M' ? "R" : s == 'H' ? "WWWW" : "W", s == 'M' ? 3 : s != 'N');
        }
        recordOf(events);
        QByteArray known;
        for (State s : m_journal->states(Module::Folding))
            known += "NPMHR"[int(s)];
        QCOMPARE(known, states);

        auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("folding-practice")));
        QVERIFY(page && page->windowTitle().contains(QStringLiteral("practice")));
        QList<int> count(6, 0);
        QByteArray seen;
        for (int i = 0, last = -1; i < 600; ++i, page->cmdgo_Click()) {
            const int type = std::exchange(last, Module1::lastproblem);
            ++count[last];
            seen += states[last];
            QVERIFY2(last != type && (i < 3 || seen.right(4).contains('M')), qPrintable(QString::number(i)));
        }
        for (int type = 0; type < 6; ++type) // needs help before mastered, with room for chance
            QVERIFY(count[type] > 0 && (states[type] != 'H' || count[type] > count[0]));
    }
};

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
