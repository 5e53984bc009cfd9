#include "classroom.h"

#include "store.h"

#include <QAtomicInt>
#include <QIODevice>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <memory>

namespace record {

namespace {

// The states of the twelve types for each pupil of the session's teacher, by stateOf's rule:
// the last five first tries (three right: Mastered, or Review when the last is more than 7 days
// before the bound time), the most wrong checks on one problem and the problems tried (Needs
// help), in one statement. States are the digits of State's values, Circles' six first.
const char* const kClassQuery = R"sql(
WITH params AS (SELECT CAST(? AS timestamptz) AS now),
pupils AS (SELECT DISTINCT pupil FROM vornash.classes WHERE teacher = session_user),
kinds AS (
    SELECT m.module, m.mi * 6 + t.type AS k, t.type
    FROM (VALUES ('circles', 0), ('folding', 1)) AS m(module, mi), generate_series(0, 5) AS t(type)),
checks AS (
    SELECT e.pupil, e.module, e.type, e.problem, e.time, e.id, e.right_answer, e.first_try, e.slips
    FROM vornash.events e JOIN pupils USING (pupil) WHERE e.kind = 'check'),
firsts AS (
    SELECT pupil, module, type, right_answer, time,
           row_number() OVER (PARTITION BY pupil, module, type ORDER BY time DESC, id DESC) AS back
    FROM checks WHERE first_try),
tries AS (
    SELECT pupil, module, type, count(*) FILTER (WHERE back <= 5 AND right_answer) AS right5,
           max(time) AS last_first
    FROM firsts GROUP BY pupil, module, type),
per_problem AS (
    SELECT pupil, module, type, count(*) FILTER (WHERE NOT right_answer) AS wrong
    FROM checks GROUP BY pupil, module, type, problem),
problems AS (
    SELECT pupil, module, type, count(*) AS tried, max(wrong) AS most_wrong
    FROM per_problem GROUP BY pupil, module, type),
states AS (
    SELECT p.pupil, k.k,
           CASE WHEN t.pupil IS NULL THEN 0
                WHEN t.right5 >= 3 THEN
                    CASE WHEN t.last_first < (SELECT now FROM params) - interval '168 hours' THEN 4 ELSE 2 END
                WHEN q.most_wrong > 3 OR q.tried >= 10 THEN 3
                ELSE 1 END AS state
    FROM pupils p CROSS JOIN kinds k
    LEFT JOIN tries t ON t.pupil = p.pupil AND t.module = k.module AND t.type = k.type
    LEFT JOIN problems q ON q.pupil = p.pupil AND q.module = k.module AND q.type = k.type),
summary AS (
    SELECT pupil, string_agg(state::text, '' ORDER BY k) AS states,
           min(k) FILTER (WHERE state = 3) AS help
    FROM states GROUP BY pupil),
slips AS (
    SELECT c.pupil, c.module, c.type, s.slip, count(*) AS n
    FROM checks c CROSS JOIN LATERAL unnest(string_to_array(c.slips, ' ')) AS s(slip)
    WHERE s.slip <> '' GROUP BY c.pupil, c.module, c.type, s.slip),
help_slips AS (
    SELECT DISTINCT ON (s.pupil) s.pupil, sl.slip
    FROM summary s JOIN slips sl ON sl.pupil = s.pupil
    WHERE s.help IS NOT NULL
    ORDER BY s.pupil,
             (sl.module = CASE WHEN s.help < 6 THEN 'circles' ELSE 'folding' END
              AND sl.type = s.help % 6) DESC, sl.n DESC, sl.slip),
last AS (
    SELECT e.pupil, max(e.time) AS last_active
    FROM vornash.events e JOIN pupils USING (pupil) GROUP BY e.pupil)
SELECT s.pupil, s.states, l.last_active, s.help, h.slip
FROM summary s LEFT JOIN last l USING (pupil) LEFT JOIN help_slips h USING (pupil)
ORDER BY s.help IS NULL, s.pupil
)sql";

const char* const kExportQuery = R"sql(
SELECT pupil, id, problem, time, kind, module, type, question, typed, right_answer, first_try,
       slips, seconds
FROM vornash.events
WHERE kind IN ('check', 'answer')
  AND pupil IN (SELECT pupil FROM vornash.classes WHERE teacher = session_user)
ORDER BY pupil, time, id
)sql";

std::atomic<int> g_knownRole{-1};

// Set once, before any thread of ours starts.
QString& serviceOverride()
{
    static QString service;
    return service;
}

} // namespace

void setClassroomService(const QString& service) { serviceOverride() = service.trimmed(); }

QString classroomService()
{
    if (!serviceOverride().isEmpty())
        return serviceOverride();
    QSettings settings(QSettings::SystemScope, QStringLiteral("vornash"), QStringLiteral("vornash"));
    return settings.value(QStringLiteral("classroom/service")).toString().trimmed();
}

struct Classroom::Impl {
    QString name;
    QString error;
    bool open = false;
};

Classroom::Classroom(const QString& service)
    : d(new Impl)
{
    static QAtomicInt serial;
    d->name = QStringLiteral("vornash-classroom-%1").arg(serial.fetchAndAddRelaxed(1));
    // The name goes into libpq's connection string: only a plain service name may.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    if (!plain.match(service).hasMatch()) {
        d->error = QStringLiteral("\"%1\" is not a service name").arg(service);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), d->name);
    // Where, who and TLS (sslmode) are the service's; a server that does not answer is given up
    // after a while rather than waited on for ever.
    db.setConnectOptions(QStringLiteral("service=%1;connect_timeout=10").arg(service));
    d->open = db.open();
    if (!d->open)
        d->error = db.lastError().text();
}

Classroom::~Classroom()
{
    if (QSqlDatabase::contains(d->name)) {
        QSqlDatabase::database(d->name, false).close();
        QSqlDatabase::removeDatabase(d->name);
    }
    delete d;
}

bool Classroom::isOpen() const { return d->open; }
QString Classroom::error() const { return d->error; }

ClassRole Classroom::role()
{
    if (!d->open)
        return ClassRole::Neither;
    QSqlQuery q(QSqlDatabase::database(d->name, false));
    // By the roles' oids, so that a server without the schema's roles answers "neither".
    if (!q.exec(QStringLiteral(
            "SELECT bool_or(r.rolname = 'vornash_teacher'), bool_or(r.rolname = 'vornash_pupil')"
            " FROM pg_catalog.pg_roles r"
            " WHERE r.rolname IN ('vornash_teacher', 'vornash_pupil')"
            " AND pg_catalog.pg_has_role(session_user, r.oid, 'MEMBER')"))
        || !q.next()) {
        d->error = q.lastError().text();
        return ClassRole::Neither;
    }
    if (q.value(0).toBool())
        return ClassRole::Teacher;
    return q.value(1).toBool() ? ClassRole::Pupil : ClassRole::Neither;
}

std::optional<QList<ClassRow>> Classroom::classTable(const QDateTime& now)
{
    if (!d->open)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(d->name, false));
    q.setForwardOnly(true);
    q.prepare(QString::fromLatin1(kClassQuery));
    q.addBindValue(now.toUTC().toString(Qt::ISODateWithMs));
    if (!q.exec()) {
        d->error = q.lastError().text();
        return std::nullopt;
    }
    QList<ClassRow> rows;
    while (q.next()) {
        ClassRow row;
        row.pupil = q.value(0).toString();
        const QString states = q.value(1).toString();
        for (int k = 0; k < 12 && k < states.size(); ++k) {
            const int s = states.at(k).digitValue();
            row.states[size_t(k)] = s >= 0 && s <= int(State::Review) ? State(s) : State::NotStarted;
        }
        if (!q.isNull(2))
            row.lastActive = q.value(2).toDateTime().toUTC();
        row.helpType = q.isNull(3) ? -1 : q.value(3).toInt();
        row.helpSlip = q.value(4).toString();
        rows.append(row);
    }
    return rows;
}

bool Classroom::exportChecks(QIODevice& out)
{
    if (!d->open)
        return false;
    QSqlQuery q(QSqlDatabase::database(d->name, false));
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(kExportQuery))) {
        d->error = q.lastError().text();
        return false;
    }
    QList<Event> events;
    QStringList pupils;
    while (q.next()) {
        Event e;
        pupils.append(q.value(0).toString());
        e.id = QUuid::fromString(q.value(1).toString());
        e.problem = QUuid::fromString(q.value(2).toString());
        e.time = q.value(3).toDateTime().toUTC();
        const QString kind = q.value(4).toString();
        e.kind = kind == QLatin1String("check") ? Kind::Check : Kind::AnswerShown;
        e.module = moduleFromName(q.value(5).toString()).value_or(Module::Circles);
        e.type = q.value(6).toInt();
        e.question = q.value(7).toString();
        e.typed = q.value(8).toString();
        e.right = q.value(9).toBool();
        e.firstTry = q.value(10).toBool();
        e.slips = q.value(11).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        e.seconds = q.value(12).toDouble();
        events.append(e);
    }
    // writeChecksCsv adds the pupil column only when given pupils: a class without checks still
    // gets the class's header, its first column named here.
    if (pupils.isEmpty())
        return out.write("pupil,", 6) == 6 && writeChecksCsv({}, out);
    return writeChecksCsv(events, out, pupils);
}

bool Classroom::exportChecks(const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        d->error = out.errorString();
        return false;
    }
    if (!exportChecks(static_cast<QIODevice&>(out))) {
        if (d->error.isEmpty())
            d->error = out.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        d->error = out.errorString();
        return false;
    }
    return true;
}

// ---- ClassFeed ------------------------------------------------------------------------------

namespace {

class FeedWorker : public QObject {
    Q_OBJECT
public:
    explicit FeedWorker(const QString& service) : m_service(service) {}

    Classroom* open()
    {
        if (!m_db || !m_db->isOpen())
            m_db = std::make_unique<Classroom>(m_service);
        if (m_db->isOpen())
            return m_db.get();
        Q_EMIT failed(m_db->error());
        return nullptr;
    }
    void findRole()
    {
        Classroom* db = open();
        const ClassRole role = db ? db->role() : ClassRole::Neither;
        if (db)
            g_knownRole = int(role);
        Q_EMIT roleFound(role);
    }
    void refresh()
    {
        Classroom* db = open();
        if (!db)
            return;
        if (auto rows = db->classTable()) {
            Q_EMIT tableRead(*rows);
        } else {
            Q_EMIT failed(db->error());
            m_db.reset(); // a lost connection is made afresh next time
        }
    }

    void exportTo(const QString& file)
    {
        Classroom* db = open();
        if (!db)
            Q_EMIT exported(file, m_db->error());
        else
            Q_EMIT exported(file, db->exportChecks(file) ? QString() : db->error());
    }

Q_SIGNALS:
    void roleFound(record::ClassRole role);
    void tableRead(const QList<record::ClassRow>& rows);
    void failed(const QString& why);
    void exported(const QString& file, const QString& error);

private:
    QString m_service;
    std::unique_ptr<Classroom> m_db;
};

} // namespace

ClassFeed::ClassFeed(const QString& service, QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<record::ClassRole>();
    qRegisterMetaType<QList<record::ClassRow>>();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("class record"));
    auto* worker = new FeedWorker(service);
    worker->moveToThread(m_thread);
    m_worker = worker;
    connect(worker, &FeedWorker::roleFound, this, &ClassFeed::roleFound);
    connect(worker, &FeedWorker::tableRead, this, &ClassFeed::tableRead);
    connect(worker, &FeedWorker::failed, this, &ClassFeed::failed);
    connect(worker, &FeedWorker::exported, this, &ClassFeed::exported);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start();
}

ClassFeed::~ClassFeed()
{
    // The worker goes on its own thread after the requests already given, then the thread
    // ends and deletes itself; nothing here waits for the server.
    QObject* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] {
        delete worker;
        QThread::currentThread()->quit();
    });
}

void ClassFeed::findRole()
{
    auto* worker = static_cast<FeedWorker*>(m_worker);
    QMetaObject::invokeMethod(worker, [worker] { worker->findRole(); });
}

void ClassFeed::refresh()
{
    auto* worker = static_cast<FeedWorker*>(m_worker);
    QMetaObject::invokeMethod(worker, [worker] { worker->refresh(); });
}

void ClassFeed::exportTo(const QString& file)
{
    auto* worker = static_cast<FeedWorker*>(m_worker);
    QMetaObject::invokeMethod(worker, [worker, file] { worker->exportTo(file); });
}

std::optional<ClassRole> ClassFeed::knownRole()
{
    const int role = g_knownRole;
    if (role < 0)
        return std::nullopt;
    return ClassRole(role);
}

} // namespace record

#include "classroom.moc"
