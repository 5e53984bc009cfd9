// Storms of clicks: Next a thousand times, the media bar hammered while the animation runs,
// Flip two hundred times, the Jotter opened and closed two hundred times. The page never loses
// its place: the question on show, the answer it is judged against and the verdict belong to
// the same problem, and the frame on show is always one of the sequence.

#include "draws.h"
#include "fonts.h"
#include "generators.h"
#include "road.h"
#include "walk.h"

#include <QElapsedTimer>

#include <memory>
#include <random>

namespace {

// Draw sources that remember every number they gave, so a test can make the same problem again.
struct DrawLog {
    std::vector<double> values;
    std::mt19937 random{4242};
};

} // namespace

class TestStorms : public QObject {
    Q_OBJECT
    std::shared_ptr<DrawLog> m_log = std::make_shared<DrawLog>();

    // The page's question and answer are those of the problem its last draws make.
    void checkSameProblem(ProblemPage* page, ProblemPage::Generator generate, int typeBefore)
    {
        const problems::Problem made = generate(draws::fixed(m_log->values), typeBefore);
        QCOMPARE(page->Label1->text(), made.question);
        QCOMPARE(Module1::answer, made.answer);
        QCOMPARE(Module1::lastproblem, made.type);
        QCOMPARE(Module1::smallstem, made.frames.stem());
        QCOMPARE(Module1::framecount, made.frames.count);
    }

    void checkFrameInRange()
    {
        QVERIFY2(Module1::framenum >= 0 && Module1::framenum < Module1::framecount,
                 qPrintable(QStringLiteral("frame %1 of %2").arg(Module1::framenum).arg(Module1::framecount)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        std::weak_ptr<DrawLog> weak = m_log;
        draws::setSeedFactory([weak]() -> draws::Source {
            auto log = weak.lock();
            log->values.clear();
            return [weak]() {
                auto l = weak.lock();
                const double v = std::uniform_real_distribution<double>(0.0, 1.0)(l->random);
                l->values.push_back(v);
                return v;
            };
        });
    }

    void cleanupTestCase() { draws::setSeedFactory({}); }

    void cleanup() { walk::closeEverything(); }

    void nextThousandTimes_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::newRow("circles") << QStringLiteral("circles");
        QTest::newRow("folding") << QStringLiteral("folding");
    }

    void nextThousandTimes()
    {
        QFETCH(QString, pageName);
        const ProblemPage::Generator generate = pageName == QLatin1String("circles")
                                                    ? &problems::makeCirclesProblem
                                                    : &problems::makeFoldingProblem;
        navigation::show(pageName);
        auto* page = walk::only<ProblemPage>();
        QVERIFY(page);
        for (int n = 0; n < 1000; ++n) {
            const int typeBefore = Module1::lastproblem;
            // A verdict on show and a half-typed answer are left behind by the click.
            if (n % 2 == 0) {
                QTest::keyClicks(page->Text1, QStringLiteral("12"));
                walk::press(page->cmdcheckit);
            }
            walk::press(page->cmdgo);
            QVERIFY(Module1::lastproblem != typeBefore);
            QVERIFY(page->Text1->text().isEmpty());
            QVERIFY(page->Label4->text().isEmpty());
            QCOMPARE(Module1::framenum, 0);
            checkSameProblem(page, generate, typeBefore);
            if (QTest::currentTestFailed())
                return;
            if (n % 10 == 0) {
                QTest::keyClicks(page->Text1, problems::formatAnswer(Module1::answer));
                QTest::keyClick(page->Text1, Qt::Key_Return);
                QCOMPARE(page->Label4->text(), problems::kRight);
            }
        }
    }

    void mediaBarWhileRunning_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::newRow("circles lesson") << QStringLiteral("circles0");
        QTest::newRow("folding lesson") << QStringLiteral("folding0");
        QTest::newRow("circles problems") << QStringLiteral("circles");
        QTest::newRow("folding problems") << QStringLiteral("folding");
    }

    // The bar's buttons in random bursts with the real timer firing in between: stepped frames
    // move by exactly one, the frame is always one of the sequence, and Play is offered exactly
    // when the animation is stopped.
    void mediaBarWhileRunning()
    {
        QFETCH(QString, pageName);
        Page* shown = navigation::show(pageName);
        QVERIFY(walk::only<Page>() == shown);
        MediaBar* bar = shown->findChild<MediaBar*>(QStringLiteral("MMControl1"));
        QTimer* timer = shown->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(bar && timer);
        const QString question = qobject_cast<ProblemPage*>(shown)
                                     ? qobject_cast<ProblemPage*>(shown)->Label1->text()
                                     : QString();
        const double answer = Module1::answer;
        std::mt19937 random(77);
        std::uniform_int_distribution<int> pick(0, MediaBar::buttonCount - 1);
        int steps = 0;
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n < 2000; ++n) {
            const auto button = MediaBar::Button(pick(random));
            const int before = Module1::framenum;
            const bool enabled = bar->isButtonEnabled(button);
            QTest::mouseClick(bar->button(button), Qt::LeftButton);
            if (enabled && (button == MediaBar::Next || button == MediaBar::Back)) {
                ++steps;
                const int count = Module1::framecount;
                const int expected = button == MediaBar::Next ? (before + 1) % count : (before + count - 1) % count;
                QCOMPARE(Module1::framenum, expected);
            }
            if (n % 40 == 0)
                QTest::qWait(55); // let the timer fire
            else
                QCoreApplication::processEvents();
            checkFrameInRange();
            QCOMPARE(bar->isButtonEnabled(MediaBar::Play), !timer->isActive());
            QCOMPARE(bar->isButtonEnabled(MediaBar::Next), !timer->isActive());
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(steps > 100);
        // The problem on show did not change under the storm.
        if (auto* page = qobject_cast<ProblemPage*>(shown)) {
            QCOMPARE(page->Label1->text(), question);
            QCOMPARE(Module1::answer, answer);
        }
        qInfo("2000 clicks, %d steps, in %lld ms", steps, qlonglong(clock.elapsed()));
    }

    // Flip two hundred times: the shape alternates, the window's corner stays put, the matching
    // bar shows, and the drawing surface always covers the window.
    void flipTwoHundredTimes()
    {
        navigation::show(QStringLiteral("circles"));
        auto* page = walk::only<ProblemPage>();
        QVERIFY(page);
        const QString question = page->Label1->text();
        walk::press(page->cmdjotter);
        jotter::notepad* pad = jotter::instance();
        QVERIFY(pad);
        const QPoint corner = pad->pos();
        QSize sizes[2];
        for (int n = 0; n < 200; ++n) {
            const bool wasPortrait = pad->isPortrait();
            walk::press(wasPortrait ? pad->Command4 : pad->Command3);
            QCOMPARE(pad->isPortrait(), !wasPortrait);
            QCOMPARE(pad->Frame_portrait->isVisible(), pad->isPortrait());
            QCOMPARE(pad->Frame_landscape->isVisible(), !pad->isPortrait());
            QCOMPARE(pad->pos(), corner);
            QSize& seen = sizes[pad->isPortrait() ? 1 : 0];
            if (seen.isEmpty())
                seen = pad->size();
            QCOMPARE(pad->size(), seen);
            QVERIFY(pad->surface().width() >= pad->width() && pad->surface().height() >= pad->height());
            QCOMPARE(jotter::instance(), pad);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(sizes[0] != sizes[1]);
        QCOMPARE(page->Label1->text(), question);
    }

    // The Jotter opened and closed two hundred times, by its own exit, by the page, and by the
    // page's exit: always one Jotter at most, always a fresh one, the problem page untouched.
    void jotterTwoHundredTimes()
    {
        navigation::show(QStringLiteral("folding"));
        auto* page = walk::only<ProblemPage>();
        QVERIFY(page);
        const QString question = page->Label1->text();
        const double answer = Module1::answer;
        QTest::keyClicks(page->Text1, problems::formatAnswer(answer));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        const int windowsBefore = int(QApplication::topLevelWidgets().size());
        for (int n = 0; n < 200; ++n) {
            walk::press(page->cmdjotter);
            jotter::notepad* pad = jotter::instance();
            QVERIFY(pad);
            QVERIFY(walk::only<ProblemPage>(true) == page);
            QVERIFY(!pad->isPortrait());
            QCOMPARE(pad->surface().pixel(20, 20), pad->surface().pixel(5, 5)); // blank
            walk::press(page->cmdjotter); // pressed again while open: the same Jotter
            QCOMPARE(jotter::instance(), pad);
            if (n % 2 == 0)
                walk::press(pad->Command3);
            walk::press(pad->isPortrait() ? pad->Command9 : pad->Command1);
            QVERIFY(walk::only<ProblemPage>() == page);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(int(QApplication::topLevelWidgets().size()), windowsBefore);
        QCOMPARE(page->Label1->text(), question);
        QCOMPARE(Module1::answer, answer);
        QCOMPARE(page->Label4->text(), problems::kRight);
    }
};

QTEST_MAIN(TestStorms)
#include "tst_storms.moc"
