#include "store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QSaveFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace record {

namespace {

// The schema, one entry per version: entry i takes a record from version i to i + 1.
const char* const kMigrations[] = {
    // A check repeats its problem's question only where the problem's Shown row lacks it.
    "CREATE TABLE events ("
    " seq INTEGER PRIMARY KEY,"
    " id BLOB NOT NULL UNIQUE,"   // the event's UUID, its 16 bytes
    " problem BLOB NOT NULL,"     // the UUID of the problem's Shown event
    " time INTEGER NOT NULL," // milliseconds since 1970, UTC
    " kind TEXT NOT NULL,"    // shown, check, answer
    " module TEXT NOT NULL,"  // circles, folding
    " type INTEGER NOT NULL,"
    " r INTEGER NOT NULL, n INTEGER NOT NULL, a INTEGER NOT NULL, b INTEGER NOT NULL,"
    " question TEXT,"
    " typed TEXT, value REAL, right INTEGER NOT NULL DEFAULT 0,"
    " first_try INTEGER NOT NULL DEFAULT 0, slips TEXT, step INTEGER NOT NULL DEFAULT 0,"
    " seconds REAL NOT NULL DEFAULT 0, language TEXT,"
    " sent INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX events_by_type ON events (module, type, kind);",
};
constexpr int kVersion = int(std::size(kMigrations));

// SQLite's result codes that mean the file itself is damaged or is not a record.
const QString kCorrupt = QStringLiteral("11");
const QString kNotADatabase = QStringLiteral("26");
const QString kFull = QStringLiteral("13");

QString say(const char* text, const QString& place)
{
    return QCoreApplication::translate("record", text).arg(QDir::toNativeSeparators(place));
}

// The columns an Event is read from, the check's question filled in from its Shown row.
const QString kEventColumns = QStringLiteral(
    "e.id, e.problem, e.time, e.kind, e.module, e.type, e.r, e.n, e.a, e.b,"
    " COALESCE(e.question, (SELECT s.question FROM events s WHERE s.id = e.problem), ''),"
    " e.typed, e.value, e.right, e.first_try, e.slips, e.step, e.seconds, e.language"
    " FROM events e");

Event eventOf(const QSqlQuery& q)
{
    Event e;
    e.id = QUuid::fromRfc4122(q.value(0).toByteArray());
    e.problem = QUuid::fromRfc4122(q.value(1).toByteArray());
    e.time = QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
    const QString kind = q.value(3).toString();
    for (int k = 0; k < 3; ++k)
        if (kind == kindName(Kind(k)))
            e.kind = Kind(k);
    e.module = moduleFromName(q.value(4).toString()).value_or(Module::Circles);
    e.type = q.value(5).toInt();
    e.r = q.value(6).toInt();
    e.n = q.value(7).toInt();
    e.a = q.value(8).toInt();
    e.b = q.value(9).toInt();
    e.question = q.value(10).toString();
    e.typed = q.value(11).toString();
    if (!q.value(12).isNull())
        e.value = q.value(12).toDouble();
    e.right = q.value(13).toBool();
    e.firstTry = q.value(14).toBool();
    e.slips = q.value(15).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    e.step = q.value(16).toInt();
    e.seconds = q.value(17).toDouble();
    e.language = q.value(18).toString();
    return e;
}

std::atomic<int> connections{0};

} // namespace

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vornash/progress.sqlite");
}

struct Store::Impl {
    QString path;
    QString connection;
    Status status = Status::Unusable;
    QString why;
    QString movedAside;
    bool writable = false;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }

    QSqlQuery query(const QString& sql, const QVariantList& values = {}) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        if (q.prepare(sql)) {
            for (const QVariant& v : values)
                q.addBindValue(v);
            q.exec();
        }
        return q;
    }

    // The events the statement's `tail` (after FROM) selects, in its order.
    QList<Event> events(const QString& tail, const QVariantList& values = {}) const
    {
        QList<Event> result;
        if (status == Status::Unusable)
            return result;
        QSqlQuery q = query(QStringLiteral("SELECT ") + kEventColumns + tail, values);
        while (q.next())
            result.append(eventOf(q));
        return result;
    }

    bool connect(bool readOnly);
    void disconnect();
    // Empty when the record is fit to use; otherwise the native code of what is wrong.
    QString check(int& version);
    bool migrate(int from);
    QString moveAside();
    // Made here, so that only its owner may read it (SQLite gives its journal the same mode).
    bool makeFile() const
    {
        QFile made(path);
        return made.open(QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool canWrite() const;
    // A write transaction that takes the lock at once: a deferred one that read first could not
    // take it after a second copy wrote, and would fail without waiting.
    bool begin() const { return query(QStringLiteral("BEGIN IMMEDIATE")).isActive(); }
    bool commit() const
    {
        if (query(QStringLiteral("COMMIT")).isActive())
            return true;
        query(QStringLiteral("ROLLBACK"));
        return false;
    }
    void open(Access access);
    void fail(const char* text, const QString& place)
    {
        status = Status::Unusable;
        why = say(text, place);
        disconnect();
    }
};

bool Store::Impl::connect(bool readOnly)
{
    connection = QStringLiteral("record-%1").arg(++connections);
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    base.setDatabaseName(path);
    base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    writable = !readOnly;
    return base.open();
}

void Store::Impl::disconnect()
{
    if (connection.isEmpty())
        return;
    db().close();
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

QString Store::Impl::check(int& version)
{
    QSqlQuery v = query(QStringLiteral("PRAGMA user_version"));
    if (!v.next())
        return v.lastError().nativeErrorCode();
    version = v.value(0).toInt();
    QSqlQuery ok = query(QStringLiteral("PRAGMA quick_check(1)"));
    if (!ok.next())
        return ok.lastError().nativeErrorCode();
    return ok.value(0).toString() == QLatin1String("ok") ? QString() : kCorrupt;
}

bool Store::Impl::migrate(int from)
{
    // Taken with the write lock, so that a second copy starting at the same moment waits and
    // then finds the schema made.
    if (!begin())
        return false;
    QSqlQuery current = query(QStringLiteral("PRAGMA user_version"));
    if (current.next())
        from = std::max(from, current.value(0).toInt());
    current.finish();
    bool ok = true;
    for (int v = from; ok && v < kVersion; ++v)
        for (const QString& sql : QString::fromLatin1(kMigrations[v]).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            ok = ok && query(sql).isActive();
    // A pragma takes no bound values; the version is a number of ours.
    ok = ok && query(QStringLiteral("PRAGMA user_version = %1").arg(std::max(from, kVersion))).isActive();
    if (ok)
        return commit();
    query(QStringLiteral("ROLLBACK"));
    return false;
}

QString Store::Impl::moveAside()
{
    const QString base = path + QStringLiteral(".damaged-")
        + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QString target = base;
    for (int i = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal")); ++i)
        target = base + QStringLiteral("-%1").arg(i);
    if (!QFile::rename(path, target))
        return {};
    // Its journal goes with it, so that nothing of it is replayed into the new record.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), target + QLatin1String(suffix));
    return target;
}

void Store::Impl::open(Access access)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded in %1: Qt's SQLite driver "
                                         "(libqt6sql6-sqlite) is not installed."),
             path);
        return;
    }
    const QFileInfo file(path);
    const bool write = access == Access::Write;
    if (write && !file.exists()) {
        const QString folder = file.absolutePath();
        if (!QFileInfo(folder).isDir()) {
            if (!QDir().mkpath(folder)) {
                fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: the folder %1 cannot be made."),
                     folder);
                return;
            }
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        if (!makeFile()) {
            fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: %1 cannot be written."), path);
            return;
        }
    } else if (!file.exists()) {
        fail(QT_TRANSLATE_NOOP("record", "Nothing has been recorded yet in %1."), path);
        return;
    }
    if (!QFileInfo(path).isFile()) {
        fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: %1 is not a database file."), path);
        return;
    }

    int version = 0;
    QString fault = connect(!write) ? check(version) : db().lastError().nativeErrorCode();
    if ((fault == kCorrupt || fault == kNotADatabase) && write) {
        disconnect();
        movedAside = moveAside();
        if (movedAside.isEmpty()) {
            fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: %1 is damaged and cannot be "
                                             "moved aside."),
                 path);
            return;
        }
        makeFile();
        version = 0;
        fault = connect(false) ? check(version) : db().lastError().nativeErrorCode();
    }
    if (fault == kCorrupt || fault == kNotADatabase) {
        fail(QT_TRANSLATE_NOOP("record", "Nothing can be read from %1: the file is damaged."), path);
        return;
    }
    if (!fault.isEmpty()) {
        fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: %1 cannot be opened."), path);
        return;
    }
    if (version > kVersion) {
        status = Status::ReadOnly;
        why = say(QT_TRANSLATE_NOOP("record", "%1 was written by a newer version of the program: "
                                              "it is shown, but nothing is added to it."),
                  path);
        return;
    }
    if (!write) {
        status = version == kVersion ? Status::Open : Status::Unusable;
        if (version != kVersion)
            why = say(QT_TRANSLATE_NOOP("record", "Nothing has been recorded yet in %1."), path);
        return;
    }
    // WAL lets a second copy of the program write while this one reads; a check is safe on
    // disk once its transaction has returned, even when the program is killed right after.
    query(QStringLiteral("PRAGMA journal_mode = WAL"));
    query(QStringLiteral("PRAGMA synchronous = FULL"));
    // The journal handed to the file every 100 pages and kept small after that, so that the
    // record stays near its own size on the disk while the program runs.
    query(QStringLiteral("PRAGMA wal_autocheckpoint = 100"));
    query(QStringLiteral("PRAGMA journal_size_limit = 524288"));
    if (version < kVersion && !migrate(version)) {
        if (db().lastError().nativeErrorCode() == kFull
            || query(QStringLiteral("SELECT 1")).lastError().nativeErrorCode() == kFull)
            fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: the disk that holds %1 is full."),
                 path);
        else
            fail(QT_TRANSLATE_NOOP("record", "Nothing is recorded: %1 cannot be written."), path);
        return;
    }
    status = Status::Open;
}

bool Store::Impl::canWrite() const
{
    return status == Status::Open && writable;
}

Store::Store(const QString& path, Access access)
    : d(new Impl)
{
    d->path = path;
    d->open(access);
}

Store::~Store()
{
    d->disconnect();
    delete d;
}

Store::Status Store::status() const { return d->status; }
QString Store::path() const { return d->path; }
QString Store::why() const { return d->why; }
QString Store::movedAside() const { return d->movedAside; }

bool Store::append(const QList<Event>& events)
{
    if (!d->canWrite())
        return false;
    QSqlDatabase db = d->db();
    if (!d->begin())
        return false;
    QSqlQuery shownQuestion(db);
    shownQuestion.prepare(QStringLiteral("SELECT question FROM events WHERE id = ?"));
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT OR IGNORE INTO events (id, problem, time, kind, module, type, r, n, a, b, question,"
        " typed, value, right, first_try, slips, step, seconds, language)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Event& e : events) {
        const QByteArray problem = e.problem.toRfc4122();
        QVariant question = e.question;
        if (e.kind != Kind::Shown) {
            shownQuestion.addBindValue(problem);
            if (shownQuestion.exec() && shownQuestion.next()
                && shownQuestion.value(0).toString() == e.question)
                question = QVariant(QMetaType(QMetaType::QString));
            shownQuestion.finish();
        }
        const bool check = e.kind == Kind::Check;
        const QVariantList values{
            e.id.toRfc4122(), problem, e.time.toMSecsSinceEpoch(),
            kindName(e.kind), moduleName(e.module), e.type, e.r, e.n, e.a,
            e.b, question,
            check ? QVariant(e.typed) : QVariant(QMetaType(QMetaType::QString)),
            check && e.value ? QVariant(*e.value) : QVariant(QMetaType(QMetaType::Double)),
            int(check && e.right), int(check && e.firstTry),
            check ? QVariant(e.slips.join(QLatin1Char(' '))) : QVariant(QMetaType(QMetaType::QString)),
            check ? e.step : 0, check ? e.seconds : 0.0, e.language};
        for (const QVariant& v : values)
            insert.addBindValue(v);
        if (!insert.exec()) {
            d->query(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return d->commit();
}

TypeHistory Store::history(Module m, int type) const
{
    TypeHistory h;
    if (d->status == Status::Unusable)
        return h;
    const QVariantList which{moduleName(m), type};
    QSqlQuery tries = d->query(QStringLiteral(
        "SELECT time, right FROM events WHERE module = ? AND type = ? AND kind = 'check'"
        " AND first_try = 1 ORDER BY time, seq"), which);
    while (tries.next())
        h.firstTries.append({QDateTime::fromMSecsSinceEpoch(tries.value(0).toLongLong(), Qt::UTC),
                             tries.value(1).toBool()});
    QSqlQuery problems = d->query(QStringLiteral(
        "SELECT COUNT(*), SUM(right = 0) FROM events WHERE module = ? AND type = ?"
        " AND kind = 'check' GROUP BY problem"), which);
    while (problems.next()) {
        ++h.problemsTried;
        h.mostWrongOnOneProblem = std::max(h.mostWrongOnOneProblem, problems.value(1).toInt());
    }
    return h;
}

ModuleProgress Store::progress(Module m, const QDateTime& now) const
{
    ModuleProgress result;
    for (int t = 0; t < 6; ++t) {
        const TypeHistory h = history(m, t);
        TypeProgress& p = result[size_t(t)];
        p.state = stateOf(h, now);
        p.firstTries = int(h.firstTries.size());
        for (qsizetype i = 0; i < h.firstTries.size(); ++i) {
            p.firstTriesRight += h.firstTries.at(i).right;
            if (i >= h.firstTries.size() - 10)
                p.lastTen.append(h.firstTries.at(i).right);
        }
        if (!h.firstTries.isEmpty())
            p.lastFirstTry = h.firstTries.constLast().time;
    }
    return result;
}

QList<Day> Store::lastDays(int days, const QDate& today) const
{
    QList<Day> result;
    const QDate first = today.addDays(1 - days);
    for (int i = 0; i < days; ++i)
        result.append({first.addDays(i), 0, 0});
    if (d->status == Status::Unusable || days <= 0)
        return result;
    // A day earlier than the first in UTC, as local days begin at other times.
    const qint64 from = first.addDays(-1).startOfDay(Qt::UTC).toMSecsSinceEpoch();
    QSqlQuery q = d->query(QStringLiteral(
        "SELECT time, kind = 'shown', right AND first_try FROM events"
        " WHERE time >= ? AND (kind = 'shown' OR (kind = 'check' AND first_try = 1))"), {from});
    while (q.next()) {
        const QDate date = QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong()).date();
        const qint64 i = first.daysTo(date);
        if (i < 0 || i >= days)
            continue;
        result[i].problems += q.value(1).toInt();
        result[i].firstTriesRight += q.value(2).toInt();
    }
    return result;
}

QList<SlipCount> Store::topSlips(int count) const
{
    QList<SlipCount> result;
    if (d->status == Status::Unusable)
        return result;
    QHash<QString, int> counts;
    QSqlQuery q = d->query(QStringLiteral(
        "SELECT slips FROM events WHERE kind = 'check' AND slips IS NOT NULL AND slips <> ''"));
    while (q.next())
        for (const QString& id : q.value(0).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            ++counts[id];
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        result.append({it.key(), it.value()});
    std::sort(result.begin(), result.end(), [](const SlipCount& x, const SlipCount& y) {
        return x.count != y.count ? x.count > y.count : x.id < y.id;
    });
    return result.mid(0, count);
}

QList<Event> Store::checks() const
{
    return d->events(QStringLiteral(" WHERE e.kind = 'check' ORDER BY e.time, e.seq"));
}

QList<Event> Store::events() const
{
    return d->events(QStringLiteral(" ORDER BY e.time, e.seq"));
}

QList<Event> Store::unsent(int limit) const
{
    return d->events(QStringLiteral(" WHERE e.sent = 0 ORDER BY e.seq LIMIT ?"), {limit});
}

bool Store::markSent(const QList<QUuid>& ids)
{
    if (!d->canWrite())
        return false;
    QSqlDatabase db = d->db();
    if (!d->begin())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE events SET sent = 1 WHERE id = ?"));
    for (const QUuid& id : ids) {
        q.addBindValue(id.toRfc4122());
        if (!q.exec()) {
            d->query(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return d->commit();
}

int Store::unsentChecks() const
{
    if (d->status == Status::Unusable)
        return 0;
    QSqlQuery q = d->query(
        QStringLiteral("SELECT COUNT(*) FROM events WHERE sent = 0 AND kind = 'check'"));
    return q.next() ? q.value(0).toInt() : 0;
}

bool Store::forget()
{
    if (!d->canWrite())
        return false;
    if (!d->query(QStringLiteral("DELETE FROM events")).isActive())
        return false;
    // VACUUM writes the smaller file through the journal; the checkpoint hands it to the file.
    d->query(QStringLiteral("VACUUM"));
    d->query(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

bool writeChecksCsv(const QList<Event>& events, QIODevice& out, const QStringList& pupils)
{
    const bool withPupils = !pupils.isEmpty();
    QString text = withPupils ? QStringLiteral("pupil,") : QString();
    text += QStringLiteral(
        "time,module,type,question,typed,verdict,first_try,slip,answer_shown,seconds\r\n");
    QSet<QString> answerShown; // per pupil and problem
    for (qsizetype i = 0; i < events.size(); ++i) {
        const Event& e = events.at(i);
        const QString pupil = withPupils ? pupils.value(i) : QString();
        const QString key = pupil + QLatin1Char('/') + e.problem.toString();
        if (e.kind == Kind::AnswerShown)
            answerShown.insert(key);
        if (e.kind != Kind::Check)
            continue;
        QStringList row;
        if (withPupils)
            row << csvField(pupil);
        row << e.time.toUTC().toString(Qt::ISODateWithMs) << moduleName(e.module)
            << QString::number(e.type) << csvField(e.question) << csvField(e.typed)
            << QLatin1String(e.right ? "right" : "wrong") << QLatin1String(e.firstTry ? "1" : "0")
            << csvField(e.slips.join(QLatin1Char(' ')))
            << QLatin1String(answerShown.contains(key) ? "1" : "0")
            << QString::number(e.seconds, 'f', 1);
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    const QByteArray bytes = text.toUtf8();
    return out.write(bytes) == bytes.size();
}

bool exportChecks(const QString& recordPath, const QString& file, QString& why)
{
    QList<Event> events;
    if (QFileInfo::exists(recordPath)) {
        Store store(recordPath, Store::Access::Read);
        if (store.status() == Store::Status::Unusable) {
            why = store.why();
            return false;
        }
        events = store.events();
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !writeChecksCsv(events, out) || !out.commit()) {
        why = QCoreApplication::translate("record", "%1 cannot be written: %2")
                  .arg(QDir::toNativeSeparators(file), out.errorString());
        return false;
    }
    return true;
}

} // namespace record
