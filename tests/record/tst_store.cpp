// The record file under faults: a damaged file, a place that cannot hold it, a newer version's
// record, a full disk, two copies of the program writing at once; forgetting, and the export
// read back. Real files in temporary folders, real processes.

#include "journal.h"
#include "store.h"

#include <QBuffer>
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

QList<Event> checks(int count)
{
    QList<Event> list;
    for (int i = 0; i < count; ++i) {
        Event e = makeEvent(Kind::Check);
        e.problem = QUuid::createUuid();
        e.type = i % 6;
        e.question = QStringLiteral("What is the area of a sector, radius %1?").arg(i);
        e.typed = QString::number(i);
        e.right = i % 2;
        e.firstTry = true;
        e.slips = QStringList{QStringLiteral("c2.nosq"), QStringLiteral("c2.half")};
        e.seconds = 12.5;
        list.append(e);
    }
    return list;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// No write may grow a file: what a full disk does to the record.
struct FullDisk {
    rlimit before{};
    FullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit none{0, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }
};

} // namespace

class TestStore : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> dir;
    QString path() const { return dir->filePath(QStringLiteral("vornash/progress.sqlite")); }
    qint64 bytes() const { return QFileInfo(path()).size() + QFileInfo(path() + "-wal").size(); }

private Q_SLOTS:
    void init() { dir.emplace(); }

    void writtenAndReadBack()
    {
        const QList<Event> written = checks(20);
        {
            Store store(path());
            QVERIFY(store.append(written));
            QVERIFY(store.append(written.mid(0, 5))); // the same events again are skipped
        }
        QCOMPARE(QFile::permissions(path()) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QFile::permissions(QFileInfo(path()).path()) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Store store(path(), Store::Access::Read);
        const QList<Event> read = store.checks();
        QCOMPARE(read.size(), written.size());
        const Event &e = read.at(3), &w = written.at(3);
        QVERIFY(e.id == w.id && e.question == w.question && e.slips == w.slips && e.time == w.time);
        QCOMPARE(store.topSlips(1).value(0).count, 20);
        QVERIFY(!store.append(written)); // a reader writes nothing
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
        if (sqlite)
            QVERIFY(Store(path()).append(checks(300)));
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(sqlite ? 4096 + 8 : 0));
        f.write(QByteArray(8000, '\x5a'));
        f.close();
        const QByteArray before = contents(path());
        Store store(path());
        QCOMPARE(store.status(), Store::Status::Open);
        QVERIFY(store.movedAside().contains(QStringLiteral("progress.sqlite.damaged-")));
        QCOMPARE(contents(store.movedAside()), before);
        QVERIFY(store.append(checks(1)));
        QCOMPARE(store.checks().size(), 1);
    }

    void unusable_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("named");
        QTest::newRow("path is a folder") << "folder" << "folder";
        QTest::newRow("disk full") << "full/progress.sqlite" << "full/progress.sqlite";
    }
    void unusable()
    {
        QFETCH(QString, where);
        QFETCH(QString, named);
        QDir(dir->path()).mkpath(QStringLiteral("folder"));
        std::optional<FullDisk> full = where.startsWith("full") ? std::make_optional<FullDisk>() : std::nullopt;
        Journal journal(dir->filePath(where));
        QSignalSpy failed(&journal, &Journal::failed);
        journal.post(checks(1)[0]);
        journal.flush();
        QCOMPARE(failed.size(), 1);
        QVERIFY2(journal.problem().contains(dir->filePath(named)), qPrintable(journal.problem()));
        QCOMPARE(journal.waiting(), 0);
    }

    // A record of a later version is read, and the file is never changed.
    void newerVersion()
    {
        QVERIFY(Store(path()).append(checks(3)));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery(QStringLiteral("PRAGMA user_version = 7"), db);
            QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), db);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        const QByteArray before = contents(path());
        {
            Journal journal(path());
            journal.post(checks(1)[0]);
            journal.forget();
            journal.flush();
            QVERIFY(!journal.problem().isEmpty());
            Store store(path());
            QCOMPARE(store.status(), Store::Status::ReadOnly);
            QCOMPARE(store.checks().size(), 3);
        }
        QCOMPARE(contents(path()), before);
    }

    // Pending checks wait in memory while the disk is full, and are written once it is not.
    void fullDiskPartWay()
    {
        Journal journal(path());
        journal.post(checks(1)[0]);
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
        QProcess copies[2];
        for (QProcess& copy : copies)
            copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write"), path()});
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(120000));
            QCOMPARE(copy.exitCode(), 0);
        }
        QCOMPARE(Store(path()).checks().size(), 400);
    }

    void forget()
    {
        Journal journal(path());
        for (const Event& e : checks(3000))
            journal.post(e);
        journal.flush();
        const qint64 full = bytes();
        QSignalSpy forgotten(&journal, &Journal::forgotten);
        journal.forget();
        QVERIFY(forgotten.wait() && forgotten.at(0).at(0).toBool());
        QCOMPARE(journal.states(Module::Circles)[0], State::NotStarted);
        QVERIFY(Store(path()).events().isEmpty());
        QVERIFY2(bytes() < full / 10, qPrintable(QString::number(bytes())));
    }

    // RFC 4180: quotes, commas and line breaks in what the pupil typed are quoted.
    void exportReadBack()
    {
        Event shown = makeEvent(Kind::Shown);
        QList<Event> events{shown, checks(1)[0], makeEvent(Kind::AnswerShown), checks(2)[1]};
        events[1].typed = QStringLiteral("3,14 \"about\"\nor so");
        for (Event* e : {&events[1], &events[2], &events[3]})
            e->problem = shown.id;
        events[3].firstTry = false;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(writeChecksCsv(events, out));
        const auto time = [](const Event& e) { return e.time.toString(Qt::ISODateWithMs).toUtf8(); };
        QCOMPARE(out.data(),
                 "time,module,type,question,typed,verdict,first_try,slip,answer_shown,seconds\r\n"
                 + time(events[1]) + ",circles,0,\"What is the area of a sector, radius 0?\","
                 "\"3,14 \"\"about\"\"\nor so\",wrong,1,c2.nosq c2.half,0,12.5\r\n"
                 + time(events[3]) + ",circles,1,\"What is the area of a sector, radius 1?\","
                 "1,right,0,c2.nosq c2.half,1,12.5\r\n");
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--write") { // a second copy of the program
        Journal journal(QString::fromLocal8Bit(argv[2]));
        for (const Event& e : checks(200)) {
            journal.post(e);
            journal.flush();
        }
        return journal.waiting() == 0 && journal.problem().isEmpty() ? 0 : 1;
    }
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
