#include "journal.h"

#include "store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <memory>

namespace record {

namespace {

Journal* theJournal = nullptr;

// A posted event is written this long after it is posted, together with any posted meanwhile:
// the page that posted it paints its verdict first, without the commit competing for the CPU,
// and the commit still comes well within 100 ms.
constexpr int kSoonMs = 10;

// What the states need of one problem shown in this run.
struct LiveProblem {
    int wrong = 0;
    bool checked = false;
};

} // namespace

struct Journal::Impl {
    Journal* q = nullptr;
    QString path;
    QThread thread;
    QObject* writer = nullptr; // lives on the thread
    std::unique_ptr<Store> store; // used on the thread only
    QTimer* retry = nullptr;      // on the thread
    QTimer* soon = nullptr;       // on the thread: the next write, a moment after a post
    int retryMs = 1000;

    mutable QMutex mutex; // guards what follows
    QList<Event> pending;    // posted, not yet committed
    QList<Event> posted;     // everything posted in this run, replayed over what is loaded
    bool loaded = false;
    bool usable = true;
    QString problem;
    QString movedAside;
    bool movedAsideTold = false;
    TypeHistory loadedHistory[2][6];
    TypeHistory live[2][6];
    QHash<QUuid, LiveProblem> problems;
    QSet<int> said;                  // (module, type, state) already told, once a run
    QHash<int, State> news;          // (module, type) -> the state just reached

    static int key(Module m, int type) { return int(m) * 6 + type; }

    // The thread is started by the first post, load, flush or forget, never at start-up.
    void start();
    void apply(const Event& e);
    void rebuild();
    void open();    // on the thread
    void write();   // on the thread
    void forget();  // on the thread
    void close();   // on the thread
    std::array<State, 6> statesLocked(Module m, const QDateTime& now) const
    {
        std::array<State, 6> s{};
        for (int t = 0; t < 6; ++t)
            s[size_t(t)] = stateOf(live[int(m)][t], now);
        return s;
    }
};

void Journal::Impl::apply(const Event& e)
{
    if (e.kind != Kind::Check || e.type < 0 || e.type > 5)
        return;
    TypeHistory& h = live[int(e.module)][e.type];
    LiveProblem& p = problems[e.problem];
    if (!p.checked) {
        p.checked = true;
        ++h.problemsTried;
    }
    if (!e.right)
        h.mostWrongOnOneProblem = std::max(h.mostWrongOnOneProblem, ++p.wrong);
    if (e.firstTry)
        h.firstTries.append({e.time, e.right});
}

void Journal::Impl::rebuild()
{
    for (int m = 0; m < 2; ++m)
        for (int t = 0; t < 6; ++t)
            live[m][t] = loadedHistory[m][t];
    problems.clear();
    for (const Event& e : std::as_const(posted))
        apply(e);
}

void Journal::Impl::open()
{
    if (store)
        return;
    store = std::make_unique<Store>(path);
    const bool readable = store->status() != Store::Status::Unusable;
    TypeHistory histories[2][6];
    for (int m = 0; readable && m < 2; ++m)
        for (int t = 0; t < 6; ++t)
            histories[m][t] = store->history(Module(m), t);
    {
        QMutexLocker lock(&mutex);
        problem = store->why();
        movedAside = store->movedAside();
        usable = readable;
        for (int m = 0; m < 2; ++m)
            for (int t = 0; t < 6; ++t)
                loadedHistory[m][t] = histories[m][t];
        if (!readable) {
            pending.clear();
            posted.clear();
        }
        rebuild();
        loaded = true;
    }
    if (!readable)
        Q_EMIT q->failed(store->why());
    Q_EMIT q->statesChanged(Module::Circles);
    Q_EMIT q->statesChanged(Module::Folding);
}

void Journal::Impl::write()
{
    open();
    QList<Event> batch;
    {
        QMutexLocker lock(&mutex);
        if (store->status() != Store::Status::Open)
            pending.clear(); // never written: a newer version's record, or none at all
        batch = pending;
    }
    if (batch.isEmpty())
        return;
    if (store->append(batch)) {
        {
            QMutexLocker lock(&mutex);
            pending.remove(0, batch.size());
        }
        retryMs = 1000;
        retry->stop();
        Q_EMIT q->committed(int(batch.size()));
        return;
    }
    // A full disk, or a file locked for longer than the busy timeout: kept, and tried again.
    if (!retry->isActive()) {
        retry->start(retryMs);
        retryMs = std::min(retryMs * 2, 30000);
    }
    Q_EMIT q->failed(QCoreApplication::translate("record", "%n answers could not be written to "
                                                           "the record yet; they are kept and "
                                                           "tried again.", nullptr, int(batch.size())));
}

void Journal::Impl::forget()
{
    open();
    {
        QMutexLocker lock(&mutex);
        pending.clear();
        posted.clear();
        for (auto& module : loadedHistory)
            for (auto& h : module)
                h = {};
        rebuild();
    }
    const bool ok = store->forget();
    Q_EMIT q->forgotten(ok);
    Q_EMIT q->statesChanged(Module::Circles);
    Q_EMIT q->statesChanged(Module::Folding);
}

void Journal::Impl::close()
{
    retry->stop();
    soon->stop();
    store.reset();
}

void Journal::Impl::start()
{
    if (writer)
        return;
    writer = new QObject;
    writer->moveToThread(&thread);
    thread.setObjectName(QStringLiteral("record writer"));
    thread.start(QThread::LowPriority);
    Impl* impl = this;
    QMetaObject::invokeMethod(writer, [impl] {
        impl->retry = new QTimer(impl->writer);
        impl->retry->setSingleShot(true);
        QObject::connect(impl->retry, &QTimer::timeout, impl->writer, [impl] { impl->write(); });
        impl->soon = new QTimer(impl->writer);
        impl->soon->setSingleShot(true);
        impl->soon->setInterval(kSoonMs);
        QObject::connect(impl->soon, &QTimer::timeout, impl->writer, [impl] { impl->write(); });
    });
}

Journal::Journal(const QString& path, QObject* parent)
    : QObject(parent)
    , d(new Impl)
{
    d->q = this;
    d->path = path;
}

Journal::~Journal()
{
    if (theJournal == this)
        theJournal = nullptr;
    if (d->writer) {
        flush();
        Impl* impl = d;
        QMetaObject::invokeMethod(d->writer, [impl] { impl->close(); }, Qt::BlockingQueuedConnection);
        d->thread.quit();
        d->thread.wait();
        delete d->writer;
    }
    delete d;
}

QString Journal::path() const
{
    return d->path;
}

void Journal::post(const Event& event)
{
    {
        QMutexLocker lock(&d->mutex);
        if (!d->usable)
            return;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const int k = Impl::key(event.module, event.type);
        const TypeHistory& h = d->live[int(event.module)][event.type % 6];
        const State before = stateOf(h, now);
        d->pending.append(event);
        d->posted.append(event);
        d->apply(event);
        const State after = stateOf(h, now);
        const bool reached = (after == State::Mastered && before != State::Mastered
                              && before != State::Review)
            || (after == State::NeedsHelp && before != State::NeedsHelp);
        if (d->loaded && event.kind == Kind::Check && reached && !d->said.contains(k * 8 + int(after))) {
            d->said.insert(k * 8 + int(after));
            d->news.insert(k, after);
        }
    }
    d->start();
    Impl* impl = d;
    QMetaObject::invokeMethod(d->writer, [impl] {
        if (!impl->soon->isActive())
            impl->soon->start();
    });
}

void Journal::load()
{
    d->start();
    Impl* impl = d;
    QMetaObject::invokeMethod(d->writer, [impl] { impl->open(); });
}

std::array<State, 6> Journal::states(Module m) const
{
    QMutexLocker lock(&d->mutex);
    return d->statesLocked(m, QDateTime::currentDateTimeUtc());
}

std::optional<State> Journal::takeNews(Module m, int type)
{
    QMutexLocker lock(&d->mutex);
    const auto it = d->news.constFind(Impl::key(m, type));
    if (it == d->news.constEnd())
        return std::nullopt;
    const State s = it.value();
    d->news.erase(it);
    return s;
}

void Journal::flush()
{
    d->start();
    Impl* impl = d;
    QMetaObject::invokeMethod(d->writer, [impl] { impl->write(); }, Qt::BlockingQueuedConnection);
}

void Journal::forget()
{
    d->start();
    Impl* impl = d;
    QMetaObject::invokeMethod(d->writer, [impl] { impl->forget(); });
}

bool Journal::loaded() const
{
    QMutexLocker lock(&d->mutex);
    return d->loaded;
}

int Journal::waiting() const
{
    QMutexLocker lock(&d->mutex);
    return int(d->pending.size());
}

QString Journal::problem() const
{
    QMutexLocker lock(&d->mutex);
    return d->problem;
}

QString Journal::movedAside() const
{
    QMutexLocker lock(&d->mutex);
    if (d->movedAside.isEmpty())
        return {};
    return QCoreApplication::translate("record", "The record was damaged: it was moved aside as %1, "
                                                 "and a new record was started.")
        .arg(d->movedAside);
}

QString Journal::takeMovedAside()
{
    QMutexLocker lock(&d->mutex);
    if (d->movedAside.isEmpty() || std::exchange(d->movedAsideTold, true))
        return {};
    return QCoreApplication::translate("record", "Your record was damaged: it was kept as %1, and "
                                                 "a new one was started.")
        .arg(QFileInfo(d->movedAside).fileName());
}

Journal* journal()
{
    return theJournal;
}

void setJournal(Journal* j)
{
    theJournal = j;
}

} // namespace record
