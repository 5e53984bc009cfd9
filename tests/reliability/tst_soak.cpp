// Hours of use in one process: a thousand round trips through the pages and a hundred thousand
// animation ticks with media-bar clicks among them. Afterwards exactly the windows and objects
// of the start are alive; the peak memory is printed for whoever reads the log.

#include "draws.h"
#include "fonts.h"
#include "picturebox.h"
#include "pictures.h"
#include "road.h"
#include "walk.h"

#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QTemporaryDir>

#include <atomic>
#include <malloc.h>
#include <random>
#include <sys/resource.h>

// QtCore's table of hooks that debugging tools use to follow every QObject being made and
// destroyed. Slots 3 and 4 take a function called with each object added and removed.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

constexpr int kAddObjectHook = 3;
constexpr int kRemoveObjectHook = 4;

std::atomic<qint64> g_liveObjects{0};
quintptr g_chainedAdd = 0;
quintptr g_chainedRemove = 0;

using ObjectHook = void (*)(QObject*);

void objectAdded(QObject* object)
{
    ++g_liveObjects;
    if (g_chainedAdd)
        reinterpret_cast<ObjectHook>(g_chainedAdd)(object);
}

void objectRemoved(QObject* object)
{
    --g_liveObjects;
    if (g_chainedRemove)
        reinterpret_cast<ObjectHook>(g_chainedRemove)(object);
}

qint64 peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Bytes the allocator has handed out and not had back.
qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

// A count from the environment, for a quick look while chasing a leak; the default otherwise.
int countFromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : fallback;
}

struct Census {
    int topLevels = 0;
    qint64 objects = 0;
};

Census census()
{
    walk::openWindows(); // destroys what was left behind
    return {int(QApplication::topLevelWidgets().size()), g_liveObjects.load()};
}

#ifndef VORNASH_SOAK_ROUNDS
#define VORNASH_SOAK_ROUNDS 1000
#endif
#ifndef VORNASH_SOAK_TICKS
#define VORNASH_SOAK_TICKS 100000
#endif

} // namespace

// An 8 x 6 picture under the name of every real one beside the executable.
bool writeSmallPictures(const QString& root)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& folder : bin.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDirIterator it(bin.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = root + QLatin1Char('/') + bin.relativeFilePath(it.next());
            QFile out(path);
            if (!QDir().mkpath(QFileInfo(path).path()) || !out.open(QIODevice::WriteOnly)
                || out.write(bytes) != bytes.size())
                return false;
        }
    }
    return true;
}

class TestSoak : public QObject {
    Q_OBJECT

    // Title, menu, a lesson with one shape, its problem page with a check, a new problem and
    // the Jotter, the menu again and the title. Starts and ends with the title open.
    void roundTrip(int n)
    {
        auto* title = walk::only<Titlefrm>();
        QVERIFY(title);
        title->Timer1_Timer();
        walk::press(title->Command1);
        auto* menu = walk::only<intro0>();
        QVERIFY(menu);
        const bool circlesModule = n % 2 == 0;
        walk::press(menu->Label2[circlesModule ? 0 : 4]);
        auto* lesson = walk::only<LessonPage>();
        QVERIFY(lesson);
        const int shape = (n / 2) % LessonPage::shapeCount;
        QRadioButton* option = lesson->Option1[shape];
        walk::press(option, QPoint(8, option->height() / 2));
        lesson->player().Timer1_Timer();
        walk::press(lesson->Label15);
        auto* page = walk::only<ProblemPage>();
        QVERIFY(page);
        QTest::keyClicks(page->Text1, QString::number(Module1::answer, 'f', 3));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        QCOMPARE(page->Label4->text(), problems::kRight);
        walk::press(page->cmdgo);
        walk::press(page->cmdjotter);
        QVERIFY(walk::only<ProblemPage>(true));
        jotter::notepad* pad = jotter::instance();
        if (n % 3 == 0)
            walk::press(pad->Command3);
        walk::press(n % 3 == 0 ? pad->Command9 : pad->Command1);
        QVERIFY(walk::only<ProblemPage>());
        if (n % 2 == 1)
            walk::press(page->cmdjotter); // left open: the exit closes it
        walk::press(page->cmdexit);
        menu = walk::only<intro0>();
        QVERIFY(menu);
        walk::press(menu->Command1);
        QVERIFY(walk::only<Titlefrm>());
        // The pupil's session runs the event loop between clicks: paints, timers, and the
        // clean-ups Qt leaves to them.
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase()
    {
        g_chainedAdd = qtHookData[kAddObjectHook];
        g_chainedRemove = qtHookData[kRemoveObjectHook];
        qtHookData[kAddObjectHook] = reinterpret_cast<quintptr>(&objectAdded);
        qtHookData[kRemoveObjectHook] = reinterpret_cast<quintptr>(&objectRemoved);
        // The style keeps what it draws in Qt's pixmap cache, which fills up to its limit
        // (10 MB by default) over the first few hundred pages, each page bringing a palette of
        // its own. That fill is bounded and not ours, so the cache is held small here and the
        // memory figures show only what the program itself keeps.
        QPixmapCache::setCacheLimit(1024);
        fonts::registerDesignFonts();
        road::registerAllPages();
        draws::setSeedFactory([] { return draws::fixed({0.1, 0.6, 0.35, 0.8, 0.95, 0.2, 0.45}); });
    }

    void cleanup() { walk::closeEverything(); }

    void cleanupTestCase()
    {
        walk::closeEverything();
        qtHookData[kAddObjectHook] = g_chainedAdd;
        qtHookData[kRemoveObjectHook] = g_chainedRemove;
    }

    void roundTrips()
    {
        navigation::show(QStringLiteral("Titlefrm"));
        // One trip first, so that what Qt makes once on first use is not counted as growth.
        roundTrip(0);
        roundTrip(1);
        if (QTest::currentTestFailed())
            return;
        const Census before = census();
        const qint64 startPeak = peakKilobytes();
        qint64 peakAt100 = 0;
        QElapsedTimer clock;
        clock.start();
        qint64 heapAt100 = 0;
        const int rounds = countFromEnvironment("VORNASH_SOAK_ROUNDS", VORNASH_SOAK_ROUNDS);
        const bool trace = qEnvironmentVariableIsSet("VORNASH_SOAK_TRACE");
        for (int n = 1; n <= rounds; ++n) {
            roundTrip(n);
            if (QTest::currentTestFailed()) {
                qWarning("failed in round trip %d", n);
                return;
            }
            if (n == rounds / 10) {
                peakAt100 = peakKilobytes();
                heapAt100 = heapInUse();
            }
            if (trace && n % 50 == 0)
                qInfo("trip %d: peak %lld KB, heap in use %lld KB, live QObjects %lld", n,
                      peakKilobytes(), heapInUse() / 1024, g_liveObjects.load());
        }
        const Census after = census();
        const qint64 endPeak = peakKilobytes();
        qInfo("%d round trips in %lld ms", rounds, qlonglong(clock.elapsed()));
        qInfo("pixmap cache limit %d KB", QPixmapCache::cacheLimit());
        qInfo("top-level widgets %d before, %d after; live QObjects %lld before, %lld after",
              before.topLevels, after.topLevels, before.objects, after.objects);
        qInfo("peak memory %lld KB at the start, %lld KB after trip %d, %lld KB after trip %d",
              startPeak, peakAt100, rounds / 10, endPeak, rounds);
#ifndef VORNASH_SANITIZED
        // (The sanitizers' allocator keeps its own books, so these stay zero there.)
        qInfo("heap in use %lld KB after trip %d, %lld KB after trip %d", heapAt100 / 1024,
              rounds / 10, heapInUse() / 1024, rounds);
#else
        Q_UNUSED(heapAt100);
#endif
        QCOMPARE(after.topLevels, before.topLevels);
        QCOMPARE(after.objects, before.objects);
        // Memory is a figure for the benchmark, printed above; what leaks is caught by the
        // object census here and by the leak sanitizer.
        walk::closeEverything();
    }

    // A hundred thousand ticks read a hundred thousand frames: small stand-ins under the real
    // names keep that to seconds (the round trips read the real pictures).
    void ticks()
    {
        QTemporaryDir small;
        QVERIFY(small.isValid());
        QVERIFY(writeSmallPictures(small.path()));
        pictures::setSearchRoots({small.path()});
        navigation::show(QStringLiteral("circles0"));
        auto* lesson = walk::only<circles0>();
        QVERIFY(lesson);
        Player& player = lesson->player();
        MediaBar* bar = lesson->MMControl1;
        // Clicks chosen at random, but the same every run.
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> pick(0, 99);
        const Census before = census();
        QElapsedTimer clock;
        clock.start();
        int clicks = 0;
        int delivered = 0;
        // Choosing a shape restarts the animation but leaves the bar as it was, so the bar
        // speaks for the timer only from the next Play or Pause on.
        bool barInStep = true;
        int lastClick = -1;
        const int ticks = countFromEnvironment("VORNASH_SOAK_TICKS", VORNASH_SOAK_TICKS);
        for (int t = 0; delivered < ticks && t < 4 * ticks; ++t) {
            const int p = pick(random);
            if (p < 4) {
                const auto button = MediaBar::Button(p);
                if (bar->isButtonEnabled(button)) {
                    lastClick = p;
                    QTest::mouseClick(bar->button(button), Qt::LeftButton);
                    ++clicks;
                    barInStep = barInStep || button == MediaBar::Play || button == MediaBar::Pause;
                }
            } else if (p == 4 && t % 7 == 0) {
                QRadioButton* option = lesson->Option1[t % LessonPage::shapeCount];
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
                barInStep = false;
            }
            if (player.Timer1->isActive()) {
                player.Timer1_Timer();
                ++delivered;
            }
            if (Module1::framenum < 0 || Module1::framenum >= Module1::framecount) {
                QFAIL(qPrintable(QStringLiteral("frame %1 of %2 after tick %3")
                                     .arg(Module1::framenum).arg(Module1::framecount).arg(t)));
            }
            // The bar offers Play exactly when the animation is stopped.
            if (barInStep && bar->isButtonEnabled(MediaBar::Play) == player.Timer1->isActive())
                QFAIL(qPrintable(QStringLiteral("media bar out of step after tick %1: Play %2, Pause %3, "
                                                "Back %4, Next %5, timer %6, last click %7")
                                     .arg(t)
                                     .arg(bar->isButtonEnabled(MediaBar::Play))
                                     .arg(bar->isButtonEnabled(MediaBar::Pause))
                                     .arg(bar->isButtonEnabled(MediaBar::Back))
                                     .arg(bar->isButtonEnabled(MediaBar::Next))
                                     .arg(player.Timer1->isActive())
                                     .arg(lastClick)));
        }
        QCOMPARE(delivered, ticks);
        const Census after = census();
        qInfo("%d ticks with %d media-bar clicks in %lld ms; live QObjects %lld before, %lld after",
              delivered, clicks, qlonglong(clock.elapsed()), before.objects, after.objects);
        QCOMPARE(after.objects, before.objects);
        QCOMPARE(after.topLevels, before.topLevels);
        QVERIFY(!lesson->Image2->picture().isNull());
        walk::closeEverything();
        pictures::setSearchRoots({});
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
