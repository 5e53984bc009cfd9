// The program under measurement. Each mode runs one piece of the real program on the real
// window system and prints what it measured, one figure to a line, for the driver to collect.
//
//   vornash-bench-probe start              the program's start-up up to the first title picture
//   vornash-bench-probe step               every frame of every sequence shown by a lesson's player
//   vornash-bench-probe switch <cycles>    "Problems Page" and the exit buttons, clicked
//   vornash-bench-probe check <cycles>     a wrong answer checked, to verdict and feedback painted
//   vornash-bench-probe animate <page> <s> the page's animation timer and CPU time for <s> seconds
//   vornash-bench-probe road               the whole road; peak resident memory
//   vornash-bench-probe fill <checks>      a pupil's record of that many checks made afresh;
//                                          the file's bytes a check
//   vornash-bench-probe progress <cycles>  "My Progress" on the menu, to the progress page painted
//   vornash-bench-probe class <cycles> <service>  the teacher's page opened, to its table painted
//   vornash-bench-probe send <cycles> <service>   1,000 queued checks sent; checks clicked meanwhile
//
// The pupil's record is kept where the program keeps it ($XDG_DATA_HOME): the driver points
// that at a folder of its own, holding a record of 10,000 checks.

#include "measure.h"
#include "probeapp.h"

#include "circles0.h"
#include "classpage.h"
#include "classroom.h"
#include "fonts.h"
#include "folding0.h"
#include "framename.h"
#include "intro0.h"
#include "jotter.h"
#include "journal.h"
#include "labelbutton.h"
#include "module1.h"
#include "myprogress.h"
#include "navigation.h"
#include "notepad.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "pictures.h"
#include "player.h"
#include "problempage.h"
#include "road.h"
#include "sender.h"
#include "sequences.h"
#include "startup.h"
#include "store.h"
#include "titlefrm.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using bench::ProbeApplication;

namespace {

void say(const char* key, double value)
{
    std::printf("%s %.6f\n", key, value);
    std::fflush(stdout);
}

// The program's own start-up, step for step as its main() takes it.
void startLikeTheProgram()
{
    road::startApplication();
    road::startRecord(true);
}

Page* onlyPage()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Page* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* page = qobject_cast<Page*>(w);
        if (page && page->isVisible() && !page->isUnloading())
            found = page;
    }
    return found;
}

void closeEverything()
{
    jotter::close();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Page*>(w))
            delete w;
    }
}

int start(ProbeApplication& app)
{
    startLikeTheProgram();
    navigation::show(QStringLiteral("Titlefrm"));
    auto* title = qobject_cast<Titlefrm*>(onlyPage());
    if (!title || !app.waitForPaint(title->Picture1, 10000))
        return 1;
    say("painted_ns", double(bench::nowNs()));
    return 0;
}

// The player step's reference: a bare window the size of the lesson's picture box, which paints
// the frame it is given to fit its size, as the box does, and nothing else.
class FrameWindow : public QWidget {
public:
    explicit FrameWindow(QSize size)
    {
        setWindowFlag(Qt::FramelessWindowHint);
        setFixedSize(size);
    }

    void setFrame(const QImage& frame)
    {
        m_frame = frame;
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (m_frame.isNull())
            return;
        QSizeF fitted = m_frame.deviceIndependentSize();
        fitted.scale(QSizeF(size()), Qt::KeepAspectRatio);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF((width() - fitted.width()) / 2.0,
                                   (height() - fitted.height()) / 2.0), fitted), m_frame);
    }

private:
    QImage m_frame;
};

int step(ProbeApplication& app)
{
    startLikeTheProgram();
    auto* lesson = qobject_cast<circles0*>(navigation::show(QStringLiteral("circles0")));
    if (!lesson || !app.waitForPaint(lesson->Image2))
        return 1;
    // Only the measured calls may show frames.
    lesson->Timer1->stop();
    Player& player = lesson->player();

    // On a dense screen the player reads the twice-size copies; the reference reads them too.
    const bool dense = lesson->Image2->devicePixelRatioF() > 1.0;
    // The reference window, the box's size, on the same screen in a corner clear of the box.
    FrameWindow reference(lesson->Image2->size());
    const QRect box(lesson->Image2->mapToGlobal(QPoint(0, 0)), lesson->Image2->size());
    const QRect screen = lesson->screen()->geometry();
    for (const QPoint corner : {screen.bottomRight() - QPoint(reference.width(), reference.height()),
                                screen.topLeft(), screen.topRight() - QPoint(reference.width(), 0),
                                screen.bottomLeft() - QPoint(0, reference.height())}) {
        reference.move(corner);
        if (!reference.geometry().intersects(box))
            break;
    }
    reference.show();
    if (!app.waitForPaint(&reference))
        return 1;
    std::vector<double> steps, references, largeSteps, largeReferences, decodes, lookups, paints;
    // The sequences that the lesson pages play: all but the title's.
    for (const sequences::Sequence& s : sequences::all()) {
        if (s.id == sequences::Id::Title)
            continue;
        Module1::smallstem = s.stem();
        Module1::frameext = QLatin1String(s.ext);
        Module1::framecount = s.count;
        std::vector<double> seqSteps, seqReferences;
        QSize size;
        for (int frame = 0; frame < s.count; ++frame) {
            Module1::framenum = frame;
            const qint64 t0 = bench::nowNs();
            player.ShowFrame();
            lesson->Image2->repaint();
            const qint64 t1 = bench::nowNs();
            // The same file read by the program's own kind of reader, and painted at the size the
            // box shows it, in the reference window.
            const QString read = dense ? twiceSizeName(player.lastFrameFile()) : player.lastFrameFile();
            const QString path = pictures::resolve(read);
            const qint64 t2 = bench::nowNs();
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            QImage decoded = reader.read();
            const qint64 t3 = bench::nowNs();
            if (dense)
                decoded.setDevicePixelRatio(2.0);
            reference.setFrame(decoded);
            const qint64 t4 = bench::nowNs();
            if (decoded.isNull() || lesson->Image2->picture().cacheKey() == 0) {
                std::fprintf(stderr, "frame not readable: %s\n", qPrintable(player.lastFrameFile()));
                return 1;
            }
            // Where the step's time goes: the lookup, and the box's paint alone.
            const qint64 t5 = bench::nowNs();
            (void)pictures::resolve(read);
            const qint64 t6 = bench::nowNs();
            lesson->Image2->repaint();
            const qint64 t7 = bench::nowNs();
            lookups.push_back(double(t6 - t5) / 1e6);
            paints.push_back(double(t7 - t6) / 1e6);
            decodes.push_back(double(t3 - t2) / 1e6);
            size = decoded.size();
            seqSteps.push_back(double(t1 - t0) / 1e6);
            seqReferences.push_back(double(t4 - t2) / 1e6);
            if (size == QSize(648, 488)) {
                largeSteps.push_back(seqSteps.back());
                largeReferences.push_back(seqReferences.back());
            }
        }
        std::printf("sequence %s%s %dx%d step_ms %.3f decode_and_paint_ms %.3f\n", qPrintable(s.stem()),
                    s.ext, size.width(), size.height(), bench::median(seqSteps),
                    bench::median(seqReferences));
        steps.insert(steps.end(), seqSteps.begin(), seqSteps.end());
        references.insert(references.end(), seqReferences.begin(), seqReferences.end());
    }
    say("step_ms", bench::median(steps));
    say("decode_and_paint_ms", bench::median(references));
    say("step648_ms", bench::median(largeSteps));
    say("decode_and_paint648_ms", bench::median(largeReferences));
    say("decode_ms", bench::median(decodes));
    say("lookup_ms", bench::median(lookups));
    say("paint_ms", bench::median(paints));
    return 0;
}

// Clicks `control` and waits for the page that it opens to be painted; milliseconds, or -1.
double timedSwitch(ProbeApplication& app, QWidget* control)
{
    Page* before = onlyPage();
    const qint64 t0 = bench::nowNs();
    bench::click(control);
    Page* after = onlyPage();
    if (!after || after == before || !app.waitForPaint(after))
        return -1;
    return double(bench::nowNs() - t0) / 1e6;
}

int pageSwitch(ProbeApplication& app, int cycles)
{
    startLikeTheProgram();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const char* lessonName : {"circles0", "folding0"}) {
            closeEverything();
            auto* lesson = qobject_cast<LessonPage*>(navigation::show(QLatin1String(lessonName)));
            if (!lesson || !app.waitForPaint(lesson))
                return 1;
            ProbeApplication::spin(200);
            const double toProblems = timedSwitch(app, lesson->Label15);
            auto* problems = qobject_cast<ProblemPage*>(onlyPage());
            if (toProblems < 0 || !problems)
                return 1;
            ProbeApplication::spin(200);
            const double toMenu = timedSwitch(app, problems->cmdexit);
            if (toMenu < 0 || !qobject_cast<intro0*>(onlyPage()))
                return 1;
            say("problems_ms", toProblems);
            say("menu_ms", toMenu);
        }
    }
    return 0;
}

// Runs the event loop, `stepMs` at most a pass, until `done` or `limitMs` has passed; `done` then.
bool spinUntil(const std::function<bool()>& done, int limitMs, int stepMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, stepMs);
    return done();
}

// Notes the paint of one control.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QWidget* part) : m_part(part) { part->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_part && event->type() == QEvent::Paint)
            seen = true;
        return false;
    }

private:
    QWidget* m_part;
};

// A new problem on `page` (then `settleMs` for it to settle), a wrong answer typed (then
// `beforeClick`) and checked: the milliseconds from the click to the feedback painted, or -1 when it never was.
// `t0`, when given, gets the moment of the click.
double checkOnce(ProblemPage* page, int settleMs, qint64* t0 = nullptr,
                 const std::function<void()>& beforeClick = {})
{
    bench::click(page->cmdgo);
    ProbeApplication::spin(settleMs);
    // The answer is typed, and on the screen, before the click, as a pupil's is: its repaint is
    // the typing's, not the check's.
    page->Text1->setText(QStringLiteral("1000"));
    ProbeApplication::spin(30);
    if (beforeClick)
        beforeClick();
    PaintSeen feedback(page->lblfeedback);
    const qint64 clicked = bench::nowNs();
    if (t0)
        *t0 = clicked;
    bench::click(page->cmdcheckit);
    const bool seen = spinUntil([&feedback] { return feedback.seen; }, 5000, 50);
    return seen ? double(bench::nowNs() - clicked) / 1e6 : -1.0;
}

// On each problem page, a new problem each cycle and a wrong answer checked: from the click to
// the verdict and the feedback painted. A repaint of a window already on the screen is painted
// and flushed within one pass of the event loop, so the pass that paints the feedback ends it.
int checkClick(ProbeApplication& app, int cycles)
{
    startLikeTheProgram();
    for (const char* pageName : {"circles", "folding"}) {
        closeEverything();
        auto* page = qobject_cast<ProblemPage*>(navigation::show(QLatin1String(pageName)));
        if (!page || !app.waitForPaint(page) || !record::journal())
            return 1;
        qint64 committed = 0;
        QObject::connect(record::journal(), &record::Journal::committed, page,
                         [&committed] { committed = bench::nowNs(); });
        for (int cycle = 0; cycle < cycles; ++cycle) {
            qint64 t0 = 0;
            const double ms = checkOnce(page, 200, &t0, [&committed] { committed = 0; });
            if (ms < 0)
                return 1;
            say("check_ms", ms);
            // The check on the disk: the writer's commit of it, seen from here.
            if (spinUntil([&committed] { return committed != 0; }, 5000, 50))
                say("committed_ms", double(committed - t0) / 1e6);
            committed = 0;
        }
    }
    return 0;
}

int animate(ProbeApplication& app, const QString& pageName, double seconds)
{
    startLikeTheProgram();
    Page* page = navigation::show(pageName);
    auto* timer = page ? page->findChild<QTimer*>(QStringLiteral("Timer1")) : nullptr;
    if (!timer || !app.waitForPaint(page))
        return 1;
    // Let the first frames settle before the window opens.
    ProbeApplication::spin(1000);
    // A lesson plays each of its shapes for an equal share of the window; choosing a shape
    // restarts the timer, so intervals are taken within a shape only.
    auto* lesson = qobject_cast<LessonPage*>(page);
    const int shares = lesson ? LessonPage::shapeCount : 1;
    std::vector<qint64> ticks;
    std::vector<double> intervals;
    QObject::connect(timer, &QTimer::timeout, page, [&ticks] { ticks.push_back(bench::nowNs()); });
    qint64 window = 0, cpu = 0;
    std::size_t tickCount = 0;
    for (int share = 0; share < shares; ++share) {
        if (lesson) {
            QRadioButton* option = lesson->Option1[share];
            bench::click(option, QPoint(8, option->height() / 2));
        }
        ticks.clear();
        const qint64 cpu0 = bench::processCpuNs();
        const qint64 t0 = bench::nowNs();
        ProbeApplication::spin(int(seconds * 1000 / shares));
        const qint64 t1 = bench::nowNs();
        const qint64 cpu1 = bench::processCpuNs();
        window += t1 - t0;
        cpu += cpu1 - cpu0;
        tickCount += ticks.size();
        for (std::size_t i = 1; i < ticks.size(); ++i)
            intervals.push_back(double(ticks[i] - ticks[i - 1]) / 1e6);
        if (lesson)
            std::printf("shape %d %s cpu %.2f %%\n", share, qPrintable(Module1::smallstem),
                        100.0 * double(cpu1 - cpu0) / double(t1 - t0));
    }
    say("ticks_per_s", double(tickCount) / (double(window) / 1e9));
    say("interval_median_ms", bench::median(intervals));
    say("interval_p99_ms", bench::percentile(intervals, 0.99));
    say("cpu_percent", 100.0 * double(cpu) / double(window));
    return 0;
}

// The program's journal over the record in $XDG_DATA_HOME, made here when start-up made none.
void ensureJournal()
{
    if (!record::journal())
        record::setJournal(new record::Journal(record::defaultPath(), qApp));
}

// From the menu's "My Progress" to the progress page painted, the record read on the way.
int progressPage(ProbeApplication& app, int cycles)
{
    startLikeTheProgram();
    ensureJournal();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        closeEverything();
        auto* menu = qobject_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        if (!menu || !app.waitForPaint(menu))
            return 1;
        ProbeApplication::spin(200);
        const double ms = timedSwitch(app, menu->lblprogress);
        auto* page = qobject_cast<myprogress*>(onlyPage());
        if (ms < 0 || !page)
            return 1;
        say("progress_ms", ms);
    }
    return 0;
}

// Title, menu, each lesson through its four shapes, each problem page with the Jotter and
// strokes on it, and back to the menu.
int wholeRoad(ProbeApplication& app)
{
    startLikeTheProgram();
    auto* title = qobject_cast<Titlefrm*>(navigation::show(QStringLiteral("Titlefrm")));
    if (!title || !app.waitForPaint(title->Picture1))
        return 1;
    ProbeApplication::spin(500);
    bench::click(title->Command1);
    for (int entry : {0, 4}) {
        auto* menu = qobject_cast<intro0*>(onlyPage());
        if (!menu || !app.waitForPaint(menu))
            return 1;
        ProbeApplication::spin(300);
        bench::click(menu->Label2[entry]);
        auto* lesson = qobject_cast<LessonPage*>(onlyPage());
        if (!lesson || !app.waitForPaint(lesson))
            return 1;
        for (QRadioButton* option : lesson->Option1) {
            bench::click(option, QPoint(8, option->height() / 2));
            ProbeApplication::spin(600);
        }
        bench::click(lesson->Label15);
        auto* problems = qobject_cast<ProblemPage*>(onlyPage());
        if (!problems || !app.waitForPaint(problems))
            return 1;
        ProbeApplication::spin(500);
        bench::click(problems->cmdjotter);
        jotter::notepad* pad = jotter::instance();
        if (!pad || !app.waitForPaint(pad->drawingSurface()))
            return 1;
        for (int k = 0; k < 8; ++k)
            bench::drag(pad->drawingSurface(), {30 + 10 * k, 30}, {200, 60 + 15 * k});
        ProbeApplication::spin(500);
        bench::click(problems->cmdexit);
    }
    auto* menu = qobject_cast<intro0*>(onlyPage());
    if (!menu || !app.waitForPaint(menu))
        return 1;
    ProbeApplication::spin(300);
    // The progress page over the record, and back.
    ensureJournal();
    bench::click(menu->lblprogress);
    auto* progress = qobject_cast<myprogress*>(onlyPage());
    if (!progress || !app.waitForPaint(progress))
        return 1;
    ProbeApplication::spin(300);
    bench::click(progress->cmdexit);
    menu = qobject_cast<intro0*>(onlyPage());
    if (!menu || !app.waitForPaint(menu))
        return 1;
    ProbeApplication::spin(300);
    say("peak_rss_mb", double(bench::peakResidentKb()) / 1024.0);
    return 0;
}

// A record as a pupil leaves it after `count` checks: each problem shown, then checked once or
// twice, written in batches as the journal writes them.
int fill(int count)
{
    const QString path = record::defaultPath();
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    std::optional<record::Store> store(std::in_place, path);
    if (store->status() != record::Store::Status::Open) {
        std::fprintf(stderr, "%s\n", qPrintable(store->why()));
        return 1;
    }
    QList<record::Event> batch;
    record::Event shown;
    for (int i = 0; i < count; ++i) {
        const bool second = i % 3 == 2; // a second check on the same problem
        if (!second) {
            shown = record::makeEvent(record::Kind::Shown);
            shown.problem = shown.id;
            shown.module = record::Module(i % 2);
            shown.type = i % 6;
            shown.r = 7 + i % 13;
            shown.n = 30 + i % 300;
            shown.question = QStringLiteral("A circle has a radius of %1 cm. What is the area of a "
                                            "sector whose angle is %2°?").arg(shown.r).arg(shown.n);
            shown.language = QStringLiteral("en");
            batch.append(shown);
        }
        record::Event check = shown;
        check.id = QUuid::createUuid();
        check.kind = record::Kind::Check;
        check.typed = QString::number(12.5 + i % 100, 'f', 1);
        check.value = check.typed.toDouble();
        check.right = i % 4 != 0;
        check.firstTry = !second;
        if (!check.right)
            check.slips = QStringList{QStringLiteral("c2.nosq")};
        check.seconds = 10.0 + i % 40;
        batch.append(check);
        if (batch.size() >= 200 || i == count - 1) {
            if (!store->append(batch))
                return 1;
            batch.clear();
        }
    }
    // What the file holds once the program has closed it (and its journal with it), and the
    // journal's size while the program runs.
    say("wal_bytes", double(QFileInfo(path + QStringLiteral("-wal")).size()));
    store.reset();
    say("bytes_per_check", double(QFileInfo(path).size()) / count);
    return 0;
}

// The teacher's page opened afresh each cycle (its own connection, the server's one query, the
// table filled), from the call to the table's first paint with the rows in it.
int classPage(int cycles, const QString& service)
{
    startLikeTheProgram();
    record::setClassroomService(service);
    for (int i = 0; i < cycles; ++i) {
        const qint64 t0 = bench::nowNs();
        auto* page = qobject_cast<myclass*>(navigation::show(QStringLiteral("myclass")));
        if (!page)
            return 1;
        // The window may be on the screen before the table comes: its repaint is painted and
        // flushed within the pass of the event loop that paints the table's viewport.
        int rows = -1;
        std::unique_ptr<PaintSeen> table;
        QObject::connect(page, &myclass::tableShown, page, [&](int shown) {
            rows = shown;
            table = std::make_unique<PaintSeen>(page->tblclass->viewport());
        });
        const bool seen = spinUntil([&table] { return table && table->seen; }, 20000, 20);
        const qint64 t1 = bench::nowNs();
        if (!seen) {
            std::fprintf(stderr, "vornash-bench-probe class: %s\n", qPrintable(page->lblstatus->text()));
            return 1;
        }
        say("class_ms", double(t1 - t0) / 1e6);
        say("class_rows", rows);
        closeEverything();
        ProbeApplication::spin(200);
    }
    return 0;
}

// `count` checks, each on a problem of its own, queued in a new record at `path` (nothing of them
// sent yet).
bool queueChecks(const QString& path, int count)
{
    QList<record::Event> checks;
    for (int i = 0; i < count; ++i) {
        record::Event e = record::makeEvent(record::Kind::Check);
        e.problem = QUuid::createUuid();
        e.type = i % 6;
        e.r = 7;
        e.question = QStringLiteral("What is the circumference of a circle of radius 7 cm?");
        e.typed = QStringLiteral("44");
        e.value = 44.0;
        e.right = true;
        e.firstTry = true;
        e.seconds = 12.5;
        e.language = QStringLiteral("en");
        checks << e;
    }
    return record::Store(path).append(checks);
}

// The sender, as a pupil's desktop runs it against the school's server: 1,000 checks queued,
// from the sender's start (its connection made) to the last batch committed by the server and
// marked sent. Then a far longer queue is sent while checks are clicked on a problem page
// whose journal writes to the same record: click to verdict and feedback painted, counted only
// while the sender is still at work.
int sendChecks(ProbeApplication& app, int cycles, const QString& service)
{
    startLikeTheProgram();
    QTemporaryDir dir;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const QString path = dir.filePath(QStringLiteral("send%1.sqlite").arg(cycle));
        if (!queueChecks(path, 1000))
            return 1;
        record::Sender sender(path, service);
        int sent = 0, batches = 0;
        QObject::connect(&sender, &record::Sender::batchSent, &sender, [&](int events) {
            sent += events;
            ++batches;
        });
        const qint64 t0 = bench::nowNs();
        sender.start();
        spinUntil([&sent] { return sent >= 1000; }, 20000, 5);
        const qint64 t1 = bench::nowNs();
        if (sent < 1000) {
            std::fprintf(stderr, "vornash-bench-probe send: %d of 1000 sent: %s\n", sent,
                         qPrintable(sender.lastError()));
            return 1;
        }
        say("send_ms", double(t1 - t0) / 1e6);
        say("send_batches", batches);
        ProbeApplication::spin(100);
    }

    const QString path = dir.filePath(QStringLiteral("busy.sqlite"));
    constexpr int queued = 60000;
    if (!queueChecks(path, queued))
        return 1;
    record::Journal journal(path);
    record::setJournal(&journal);
    auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("circles")));
    if (!page || !app.waitForPaint(page))
        return 1;
    constexpr int clicks = 40;
    int whileSending = 0;
    {
        record::Sender sender(path, service, &journal);
        int sent = 0;
        QObject::connect(&sender, &record::Sender::batchSent, &sender, [&sent](int events) { sent += events; });
        sender.start();
        while (sent < queued && whileSending < clicks) {
            const int before = sent;
            const double ms = checkOnce(page, 100);
            if (ms < 0)
                return 1;
            if (before > 0 && sent < queued) { // the sender was at work before and after the click
                say("check_sending_ms", ms);
                ++whileSending;
            }
        }
    }
    // The same clicks with no sender, as the reference of this run.
    for (int i = 0; i < clicks; ++i) {
        const double ms = checkOnce(page, 100);
        if (ms < 0)
            return 1;
        say("check_idle_ms", ms);
    }
    closeEverything();
    record::setJournal(nullptr);
    if (whileSending == 0) {
        std::fprintf(stderr, "vornash-bench-probe send: the queue was gone before a check was clicked\n");
        return 1;
    }
    say("check_sending_clicks", whileSending);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The program's own steps before its application is made: its command line (it is given
    // none) read in the pupil's language, the display chosen, the toolkit's messages watched.
    const startup::Prepared prepared = startup::prepare(1, argv);
    if (prepared.exitStatus)
        return *prepared.exitStatus;
    std::optional<startup::DisplayWatch> watch(std::in_place, prepared.unreachable);
    ProbeApplication app(argc, argv);
    watch.reset();
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    int result = 2;
    if (mode == QLatin1String("start"))
        result = start(app);
    else if (mode == QLatin1String("step"))
        result = step(app);
    else if (mode == QLatin1String("switch"))
        result = pageSwitch(app, qMax(1, args.value(2).toInt()));
    else if (mode == QLatin1String("check"))
        result = checkClick(app, qMax(1, args.value(2).toInt()));
    else if (mode == QLatin1String("animate"))
        result = animate(app, args.value(2), qMax(1.0, args.value(3).toDouble()));
    else if (mode == QLatin1String("road"))
        result = wholeRoad(app);
    else if (mode == QLatin1String("fill"))
        result = fill(qMax(1, args.value(2).toInt()));
    else if (mode == QLatin1String("progress"))
        result = progressPage(app, qMax(1, args.value(2).toInt()));
    else if (mode == QLatin1String("class"))
        result = classPage(qMax(1, args.value(2).toInt()), args.value(3));
    else if (mode == QLatin1String("send"))
        result = sendChecks(app, qMax(1, args.value(2).toInt()), args.value(3));
    else
        std::fprintf(stderr, "usage: vornash-bench-probe start|step|switch N|check N|animate PAGE S|road"
                             "|fill N|progress N|class N SERVICE|send N SERVICE\n");
    if (result == 1)
        std::fprintf(stderr, "vornash-bench-probe %s: a page did not appear\n", qPrintable(mode));
    return result;
}
