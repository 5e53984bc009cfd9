#include "sender.h"

#include "classroom.h"
#include "journal.h"
#include "store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <QUuid>

namespace record {

namespace {

std::atomic<void (*)(int)> afterCommitHook{nullptr};
Sender* theSender = nullptr;

constexpr int columnCount = 19;
const char* const insertHead =
    "INSERT INTO vornash.events (id, problem, time, kind, module, type, r, n, a, b, question, "
    "typed, value, right_answer, first_try, slips, step, seconds, language) VALUES ";

// The statement for `rows` events: one row of placeholders each, the values bound.
QString insertStatement(int rows)
{
    static const QString row = QLatin1Char('(')
        + QStringList(columnCount, QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    return QLatin1String(insertHead) + QStringList(rows, row).join(QLatin1Char(','))
        + QLatin1String(" ON CONFLICT (id) DO NOTHING");
}

QVariant nullOf(QMetaType::Type type)
{
    return QVariant(QMetaType(type));
}

void bindEvent(QSqlQuery& q, const Event& e)
{
    const bool check = e.kind == Kind::Check;
    const auto checkOnly = [check](const QVariant& v, QMetaType::Type type) {
        return check ? v : nullOf(type);
    };
    q.addBindValue(e.id.toString(QUuid::WithoutBraces));
    q.addBindValue(e.problem.isNull() ? nullOf(QMetaType::QString)
                                      : QVariant(e.problem.toString(QUuid::WithoutBraces)));
    q.addBindValue(e.time.toUTC());
    q.addBindValue(kindName(e.kind));
    q.addBindValue(moduleName(e.module));
    q.addBindValue(e.type);
    q.addBindValue(e.r);
    q.addBindValue(e.n);
    q.addBindValue(e.a);
    q.addBindValue(e.b);
    q.addBindValue(e.question);
    q.addBindValue(checkOnly(e.typed, QMetaType::QString));
    q.addBindValue(check && e.value ? QVariant(*e.value) : nullOf(QMetaType::Double));
    q.addBindValue(checkOnly(e.right, QMetaType::Bool));
    q.addBindValue(checkOnly(e.firstTry, QMetaType::Bool));
    q.addBindValue(checkOnly(e.slips.join(QLatin1Char(' ')), QMetaType::QString));
    q.addBindValue(checkOnly(e.step, QMetaType::Int));
    q.addBindValue(checkOnly(e.seconds, QMetaType::Double));
    q.addBindValue(e.language.isEmpty() ? nullOf(QMetaType::QString) : QVariant(e.language));
}

// A refusal is the server's answer about the rows themselves (a row-level policy, a check, a
// privilege, a value it cannot take): sending them again gives the same answer. Anything else
// (no connection, a server shutting down, a conflict of transactions) may pass.
bool isRefusal(const QSqlError& error)
{
    const QString state = error.nativeErrorCode();
    return state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23"))
        || state.startsWith(QLatin1String("42")) || state.startsWith(QLatin1String("44"));
}

QString describe(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return (code.isEmpty() ? QString() : code + QLatin1String(": ")) + error.text();
}

} // namespace

// Lives on the sender's thread: everything it touches (the record, the server's connection)
// is opened and used there.
class SenderWorker : public QObject {
    Q_OBJECT
public:
    SenderWorker(const QString& path, const QString& service,
                 std::shared_ptr<std::atomic<bool>> stop)
        : m_path(path), m_service(service), m_stop(std::move(stop)),
          m_connection(QStringLiteral("vornash-sender-%1").arg(QUuid::createUuid().toString())),
          m_retry(new QTimer(this))
    {
        m_retry->setSingleShot(true);
        connect(m_retry, &QTimer::timeout, this, &SenderWorker::round);
    }

    ~SenderWorker() override
    {
        if (QSqlDatabase::contains(m_connection)) {
            QSqlDatabase::database(m_connection, false).close();
            QSqlDatabase::removeDatabase(m_connection);
        }
    }

    // Coalesces wakes that come while a round is queued or running.
    void wake()
    {
        if (!m_pending.exchange(true))
            QMetaObject::invokeMethod(this, &SenderWorker::round, Qt::QueuedConnection);
    }

    // The journal committed: a round now, unless a failed round's wait is running (the server
    // is not hammered once per answer while it is away).
    void newEvents()
    {
        if (!m_retry->isActive())
            wake();
        else if (m_store)
            report(m_error); // only the count of what waits is new
    }

    void round();

Q_SIGNALS:
    void ended(bool allSent, int waitingChecks, int refused, const QString& error);
    void retryScheduled(int ms);
    void batchSent(int events);
    void notAPupil();

private:
    enum class Outcome { Done, Failed };
    bool openRecord(QString* error);
    bool pupilConnected();
    bool openServer(QString* error);
    void closeServer();
    Outcome sendAll(QString* error);
    Outcome insert(const QList<Event>& batch, QList<QUuid>* accepted, QString* error);
    void failed(const QString& error);
    void report(const QString& error);

    QString m_path;
    QString m_service;
    std::shared_ptr<std::atomic<bool>> m_stop;
    QString m_connection;
    QTimer* m_retry;
    std::unique_ptr<Store> m_store;
    QSet<QUuid> m_refused; // refused in this run: left unsent, offered again at the next start
    int m_failures = 0;
    QString m_error; // why the last round failed
    std::atomic<bool> m_pending{false};
    bool m_pupilKnown = false; // the connection's role was found to be a pupil's
};

bool SenderWorker::openServer(QString* error)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *error = QStringLiteral("Qt's PostgreSQL driver is not installed");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    if (db.isOpen())
        return true;
    // Everything else (host, database, user, TLS, how to authenticate) is the service's.
    db.setConnectOptions(QStringLiteral("service=") + m_service);
    if (db.open())
        return true;
    *error = describe(db.lastError());
    return false;
}

// Whether the connected role is a pupil's; asked until it is found to be. By the role's oid, so that
// a server without the schema's roles answers no.
bool SenderWorker::pupilConnected()
{
    if (m_pupilKnown)
        return true;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT pg_catalog.pg_has_role(session_user, r.oid, 'MEMBER')"
                               " FROM pg_catalog.pg_roles r WHERE r.rolname = 'vornash_pupil'"))
        || !q.next() || !q.value(0).toBool())
        return false;
    m_pupilKnown = true;
    return true;
}

void SenderWorker::closeServer()
{
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
}

// The record is the journal's to make and bring up to date: the sender opens it for its marks
// only once it is there at this version, and until then has nothing to send (no file yet) or
// nothing it may mark (a file the journal has not opened yet, one from a newer version, one
// that cannot be read), and looks again at the next round.
bool SenderWorker::openRecord(QString* error)
{
    if (m_store)
        return true;
    {
        const Store look(m_path, Store::Access::Read);
        if (look.status() != Store::Status::Open) {
            *error = look.why();
            return false;
        }
    }
    m_store = std::make_unique<Store>(m_path);
    if (m_store->status() == Store::Status::Open)
        return true;
    *error = m_store->why();
    m_store.reset();
    return false;
}

void SenderWorker::round()
{
    m_pending = false;
    m_retry->stop();
    if (*m_stop)
        return;
    QString error;
    if (!openRecord(&error)) {
        if (!QFileInfo::exists(m_path))
            Q_EMIT ended(true, 0, 0, QString());
        else
            Q_EMIT ended(false, 0, 0, error);
        return;
    }
    const bool wasOpen = QSqlDatabase::contains(m_connection)
        && QSqlDatabase::database(m_connection, false).isOpen();
    if (!openServer(&error))
        return failed(error);
    if (!pupilConnected()) {
        // Only a pupil's rows go to the class record (a teacher's role writes nothing there):
        // what this account records stays on this computer, and nothing is tried again.
        closeServer();
        Q_EMIT notAPupil();
        return;
    }
    Outcome outcome = sendAll(&error);
    if (outcome == Outcome::Failed && wasOpen && !*m_stop) {
        // A connection kept from an earlier round may have died with a restarted server.
        closeServer();
        if (openServer(&error))
            outcome = sendAll(&error);
    }
    if (outcome == Outcome::Failed)
        return failed(error);
    m_failures = 0;
    report(m_refused.isEmpty() ? QString() : QStringLiteral("the server refused %1 events").arg(m_refused.size()));
}

SenderWorker::Outcome SenderWorker::sendAll(QString* error)
{
    while (!*m_stop) {
        QList<Event> batch;
        for (const Event& e : m_store->unsent(Sender::batchSize + int(m_refused.size()))) {
            if (!m_refused.contains(e.id) && batch.size() < Sender::batchSize)
                batch << e;
        }
        if (batch.isEmpty())
            return Outcome::Done;
        QList<QUuid> accepted;
        if (insert(batch, &accepted, error) == Outcome::Failed)
            return Outcome::Failed;
        if (auto hook = afterCommitHook.load())
            hook(int(accepted.size()));
        // Not marked (the file busy past its timeout): the batch goes again, and the server
        // skips what it has.
        if (!accepted.isEmpty() && !m_store->markSent(accepted)) {
            *error = QStringLiteral("the record could not be marked sent");
            return Outcome::Failed;
        }
        Q_EMIT batchSent(int(accepted.size()));
    }
    return Outcome::Done;
}

SenderWorker::Outcome SenderWorker::insert(const QList<Event>& batch, QList<QUuid>* accepted,
                                           QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!db.transaction()) {
        *error = describe(db.lastError());
        return Outcome::Failed;
    }
    q.prepare(insertStatement(int(batch.size())));
    for (const Event& e : batch)
        bindEvent(q, e);
    if (q.exec()) {
        if (!db.commit()) {
            // Committed or not, nobody knows: the batch goes again and the server skips what
            // it has.
            *error = describe(db.lastError());
            return Outcome::Failed;
        }
        for (const Event& e : batch)
            *accepted << e.id;
        return Outcome::Done;
    }
    const QSqlError refusal = q.lastError();
    db.rollback();
    if (!isRefusal(refusal)) {
        *error = describe(refusal);
        return Outcome::Failed;
    }
    // Some row is refused: each is tried alone, so that the others still go.
    if (!db.transaction()) {
        *error = describe(db.lastError());
        return Outcome::Failed;
    }
    QSqlQuery savepoint(db);
    q.prepare(insertStatement(1));
    int refused = 0;
    for (const Event& e : batch) {
        savepoint.exec(QStringLiteral("SAVEPOINT one_event"));
        bindEvent(q, e);
        if (q.exec()) {
            *accepted << e.id;
            continue;
        }
        if (!isRefusal(q.lastError())) {
            *error = describe(q.lastError());
            db.rollback();
            return Outcome::Failed;
        }
        if (refused++ == 0)
            *error = describe(q.lastError());
        m_refused.insert(e.id);
        savepoint.exec(QStringLiteral("ROLLBACK TO SAVEPOINT one_event"));
    }
    if (refused > 0)
        qWarning("vornash: the class record refused %d of %d events (kept, offered again at the "
                 "next start), the first: %s", refused, int(batch.size()), qPrintable(*error));
    if (!db.commit()) {
        *error = describe(db.lastError());
        accepted->clear();
        return Outcome::Failed;
    }
    return Outcome::Done;
}

void SenderWorker::failed(const QString& error)
{
    closeServer();
    if (*m_stop)
        return;
    m_error = error;
    const int ms = Sender::retryDelayMs(++m_failures);
    m_retry->start(ms);
    Q_EMIT retryScheduled(ms);
    report(error);
}

void SenderWorker::report(const QString& error)
{
    const int waiting = m_store->unsentChecks();
    const bool all = m_refused.isEmpty() && m_store->unsent(1).isEmpty();
    Q_EMIT ended(all, waiting, int(m_refused.size()), error);
}

// ---- Sender ---------------------------------------------------------------------------------

Sender::Sender(const QString& recordPath, const QString& service, Journal* journal,
               QObject* parent)
    : QObject(parent), m_path(recordPath), m_service(service), m_journal(journal),
      m_stop(std::make_shared<std::atomic<bool>>(false))
{
}

Sender::~Sender()
{
    if (theSender == this)
        theSender = nullptr;
    if (!m_thread)
        return;
    *m_stop = true;
    m_thread->quit();
    // A batch in flight is waited for a moment; a connection that hangs on a dead network is
    // left behind (the process is ending, and what was not marked sent goes at the next start).
    if (m_thread->wait(3000))
        delete m_thread;
    else
        m_thread->setParent(nullptr);
}

void Sender::start()
{
    if (!configured() || m_thread)
        return;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("vornash-sender"));
    m_worker = new SenderWorker(m_path, m_service, m_stop);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SenderWorker::ended, this, &Sender::roundEnded);
    connect(m_worker, &SenderWorker::retryScheduled, this, &Sender::retryScheduled);
    connect(m_worker, &SenderWorker::batchSent, this, &Sender::batchSent);
    connect(m_worker, &SenderWorker::notAPupil, this, [this] {
        m_known = true;
        m_notPupil = true;
        Q_EMIT statusChanged();
    });
    if (m_journal)
        connect(m_journal, &Journal::committed, m_worker, &SenderWorker::newEvents);
    m_thread->start(QThread::LowPriority);
    m_worker->wake();
}

void Sender::wake()
{
    if (m_worker)
        m_worker->wake();
}

void Sender::roundEnded(bool allSent, int waitingChecks, int refused, const QString& error)
{
    const bool changed = !m_known || allSent != m_allSent || waitingChecks != m_waitingChecks;
    m_known = true;
    m_allSent = allSent;
    m_waitingChecks = waitingChecks;
    m_refused = refused;
    m_lastError = error;
    if (changed)
        Q_EMIT statusChanged();
}

QString Sender::stateSentence() const
{
    if (!m_known || m_notPupil)
        return {};
    if (m_allSent)
        return QCoreApplication::translate("record", "Sent to the class record");
    // English says "1 answer"; the translations give each number its own form.
    if (m_waitingChecks == 1)
        return QCoreApplication::translate("record", "Waiting for the school's server: one answer "
                                                     "kept on this computer");
    return QCoreApplication::translate("record", "Waiting for the school's server: %n answers "
                                                 "kept on this computer", nullptr, m_waitingChecks);
}

int Sender::retryDelayMs(int failures)
{
    if (failures <= 1)
        return 1000;
    return failures >= 7 ? 60000 : 1000 << (failures - 1);
}

void Sender::setAfterCommitHook(void (*hook)(int))
{
    afterCommitHook = hook;
}

Sender* sender()
{
    return theSender;
}

void setSender(Sender* s)
{
    theSender = s;
}

void startSender(QObject* owner)
{
    Journal* j = journal();
    const QString service = classroomService();
    if (!j || service.isEmpty() || theSender)
        return;
    auto* s = new Sender(j->path(), service, j, owner);
    setSender(s);
    s->start();
}

} // namespace record

#include "sender.moc"
