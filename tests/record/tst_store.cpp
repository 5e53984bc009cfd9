// The record file under faults: a damaged file, a place that cannot hold it, a newer version's
// record, a full disk, two copies of the program writing at once; forgetting, and the export
// read back. Real files in temporary folders, real processes.

#include "journal.h"
#include "store.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace record;

namespace {

Event check(const QString& typed, bool right, int type = 2)
{
    Event e = makeEvent(Kind::Check);
    e.problem = QUuid::createUuid();
    e.type = type;
    e.question = QStringLiteral("What is the area of a sector, radius %1?").arg(type);
    e.typed = typed;
    e.right = right;
    e.firstTry = true;
    e.slips = QStringList{QStringLiteral("c2.nosq"), QStringLiteral("c2.half")};
    e.seconds = 12.5;
    e.language = QStringLiteral("en");
    return e;
}

QList<Event> checks(int count)
{
    QList<Event> list;
    for (int i = 0; i < count; ++i)
        list.append(check(QString::number(i), i % 2, i % 6));
    return list;
}

qint64 bytes(const QString& path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

QByteArray digest(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A file no write may grow: what a full disk does to the record.
struct FullDisk {
    rlimit before{};
    FullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit none = before;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }
};

// A second copy of the program: writes `count` checks one commit at a time.
int writeAsAnotherCopy(const QString& path, int count)
{
    Journal journal(path);
    for (const Event& e : checks(count)) {
        journal.post(e);
        journal.flush();
    }
    return journal.waiting() == 0 && journal.problem().isEmpty() ? 0 : 1;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("vornash/progress.sqlite")); }

private Q_SLOTS:
    void init()
    {
        for (const QString& name : QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
            QFileInfo(dir.filePath(name)).isDir() ? QDir(dir.filePath(name)).removeRecursively()
                                                  : QFile::remove(dir.filePath(name));
    }

    void writtenAndReadBack()
    {
        const QList<Event> written = checks(20);
        {
            Store store(path());
            QCOMPARE(store.status(), Store::Status::Open);
            QVERIFY(store.append(written));
            QVERIFY(store.append(written.mid(0, 5))); // the same events again are skipped
        }
        QCOMPARE(QFile::permissions(path()) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QFile::permissions(QFileInfo(path()).path()) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Store store(path(), Store::Access::Read);
        const QList<Event> read = store.checks();
        QCOMPARE(read.size(), written.size());
        QCOMPARE(read.at(3).id, written.at(3).id);
        QCOMPARE(read.at(3).question, written.at(3).question);
        QCOMPARE(read.at(3).slips, written.at(3).slips);
        QCOMPARE(read.at(3).time, written.at(3).time);
        QCOMPARE(store.topSlips(1).value(0).count, 20);
        QVERIFY(!store.append(written)); // a reader writes nothing
        QCOMPARE(store.unsentChecks(), 20);
    }

    void damaged_data()
    {
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("not a database at all") << false;
        QTest::newRow("a database with a damaged page") << true;
    }

    void damaged()
    {
        QFETCH(bool, sqlite);
        QDir().mkpath(QFileInfo(path()).path());
        if (sqlite) {
            { Store store(path()); QVERIFY(store.append(checks(300))); }
            QFile f(path());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(4096 + 8);
            f.write(QByteArray(4000, '\x5a'));
        } else {
            QFile f(path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(8192, 'x'));
        }
        const QByteArray before = digest(path());
        Store store(path());
        QCOMPARE(store.status(), Store::Status::Open);
        QVERIFY(store.movedAside().contains(QStringLiteral("progress.sqlite.damaged-")));
        QCOMPARE(digest(store.movedAside()), before);
        QVERIFY(store.append(checks(1)));
        QCOMPARE(store.checks().size(), 1);
    }

    void unusable_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("named");
        QTest::newRow("folder cannot be made") << "file/vornash/progress.sqlite" << "file/vornash";
        QTest::newRow("path is a folder") << "folder" << "folder";
        QTest::newRow("disk full") << "full/progress.sqlite" << "full/progress.sqlite";
    }

    void unusable()
    {
        QFETCH(QString, where);
        QFETCH(QString, named);
        QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        QDir(dir.path()).mkpath(QStringLiteral("folder"));
        QDir(dir.path()).mkpath(QStringLiteral("full"));
        std::optional<FullDisk> full;
        if (where.startsWith(QLatin1String("full")))
            full.emplace();
        Journal journal(dir.filePath(where));
        QSignalSpy failed(&journal, &Journal::failed);
        journal.post(check(QStringLiteral("1"), true));
        journal.flush();
        QCOMPARE(failed.size(), 1);
        QVERIFY2(journal.problem().contains(dir.filePath(named)), qPrintable(journal.problem()));
        QCOMPARE(journal.waiting(), 0);
        QCOMPARE(journal.states(Module::Circles)[2], State::NotStarted);
    }

    // A record of a later version is read, and the file is never changed.
    void newerVersion()
    {
        { Store store(path()); QVERIFY(store.append(checks(3))); }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery(QStringLiteral("PRAGMA user_version = 7"), db);
            QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), db);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        const QByteArray before = digest(path());
        {
            Journal journal(path());
            journal.post(check(QStringLiteral("5"), true));
            journal.forget();
            journal.flush();
            QVERIFY(!journal.problem().isEmpty());
            Store store(path());
            QCOMPARE(store.status(), Store::Status::ReadOnly);
            QCOMPARE(store.checks().size(), 3);
            QVERIFY(!store.append(checks(1)));
            QVERIFY(!store.forget());
        }
        QCOMPARE(digest(path()), before);
    }

    // Pending checks wait in memory while the disk is full, and are written once it is not.
    void fullDiskPartWay()
    {
        Journal journal(path());
        journal.post(check(QStringLiteral("1"), true));
        journal.flush();
        {
            FullDisk full;
            for (const Event& e : checks(5))
                journal.post(e);
            journal.flush();
            QCOMPARE(journal.waiting(), 5);
        }
        journal.flush();
        QCOMPARE(journal.waiting(), 0);
        QCOMPARE(Store(path()).checks().size(), 6);
    }

    void twoCopiesAtOnce()
    {
        QList<QProcess*> copies;
        for (int i = 0; i < 2; ++i) {
            auto* copy = new QProcess(this);
            copy->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write"), path()});
            copies.append(copy);
        }
        for (QProcess* copy : copies) {
            QVERIFY(copy->waitForFinished(120000));
            QCOMPARE(copy->exitCode(), 0);
        }
        QCOMPARE(Store(path()).checks().size(), 400);
    }

    void forget()
    {
        Journal journal(path());
        for (const Event& e : checks(3000))
            journal.post(e);
        journal.flush();
        const qint64 full = bytes(path());
        QCOMPARE(journal.states(Module::Circles)[0], State::NeedsHelp);
        QSignalSpy forgotten(&journal, &Journal::forgotten);
        journal.forget();
        QVERIFY(forgotten.wait());
        QCOMPARE(forgotten.at(0).at(0).toBool(), true);
        QCOMPARE(journal.states(Module::Circles)[0], State::NotStarted);
        QVERIFY(Store(path()).events().isEmpty());
        QVERIFY2(bytes(path()) < full / 10, qPrintable(QString::number(bytes(path()))));
    }

    // RFC 4180 read back: quotes, commas and line breaks in what the pupil typed survive.
    void exportReadBack()
    {
        Event shown = makeEvent(Kind::Shown);
        Event answer = makeEvent(Kind::AnswerShown);
        QList<Event> events{shown, check(QStringLiteral("3,14 \"about\"\nor so"), false), answer,
                            check(QStringLiteral("=1+1"), true)};
        for (Event* e : {&events[1], &events[2], &events[3]})
            e->problem = shown.id;
        events[3].firstTry = false;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(writeChecksCsv(events, out));
        QList<QStringList> rows{{}};
        QString field;
        bool quoted = false;
        const QString text = QString::fromUtf8(out.data());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (quoted && c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\""))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (!quoted && c == QLatin1Char(','))
                rows.last().append(std::exchange(field, {}));
            else if (!quoted && c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n")) {
                rows.last().append(std::exchange(field, {}));
                rows.append(QStringList{});
                ++i;
            } else
                field += c;
        }
        QCOMPARE(rows.size(), 4); // header, two checks, the empty rest after the last line end
        QCOMPARE(rows.at(0).join(QLatin1Char(',')),
                 "time,module,type,question,typed,verdict,first_try,slip,answer_shown,seconds");
        QCOMPARE(rows.at(1).at(4), events[1].typed);
        QCOMPARE(rows.at(1).mid(5), (QStringList{"wrong", "1", "c2.nosq c2.half", "0", "12.5"}));
        QCOMPARE(rows.at(2).mid(4), (QStringList{"=1+1", "right", "0", "c2.nosq c2.half", "1", "12.5"}));
        QCOMPARE(QDateTime::fromString(rows.at(1).at(0), Qt::ISODateWithMs), events[1].time);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--write")
        return writeAsAnotherCopy(QString::fromLocal8Bit(argv[2]), 200);
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
