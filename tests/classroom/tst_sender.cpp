// The sender against a real server: every event arrives once, whether the server stops during a
// lesson, the program is killed between the server's commit and the local mark, or the server
// refuses a row.
#include "journal.h"
#include "pgcluster.h"
#include "sender.h"
#include "store.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using record::Event;

namespace {

// A lesson of `problems` problems: each shown, then checked once.
QList<Event> lesson(int problems, int type = 0) {
    QList<Event> out;
    for (int i = 0; i < problems; ++i) {
        Event shown = record::makeEvent(record::Kind::Shown);
        shown.problem = shown.id;
        shown.type = type;
        shown.question = QStringLiteral("Problem %1").arg(i);
        Event check = shown;
        check.id = QUuid::createUuid();
        check.kind = record::Kind::Check;
        check.typed = QStringLiteral("3,14'); DROP TABLE vornash.events; --");
        check.value = 3.14;
        check.right = i % 2;
        check.language = QStringLiteral("de");
        out << shown << check;
    }
    return out;
}

int unsent(const QString& path) { return int(record::Store(path).unsent(1 << 20).size()); }

} // namespace

class TestSender : public QObject {
    Q_OBJECT
    PgCluster pg;
    QTemporaryDir tmp;

    QString record(const QString& name) { return tmp.filePath(name + QStringLiteral(".sqlite")); }
    // The first column of the first row of `sql`, asked as the superuser.
    int server(const QString& sql) {
        QString out;
        return pg.psql(sql, {}, &out) ? out.trimmed().toInt() : -1;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(pg.start() && pg.applySchema(), qPrintable(pg.error()));
        QVERIFY(pg.createRole(QStringLiteral("ann"), PgCluster::Kind::Pupil));
    }
    void init() { QVERIFY(pg.start() && pg.psql(QStringLiteral("TRUNCATE vornash.events;"))); }

    // Events posted, the server stopped, more posted, the server back: all arrive, once.
    void serverStopped_data() {
        QTest::addColumn<bool>("immediate");
        QTest::newRow("stopped") << false;
        QTest::newRow("power lost") << true;
    }
    void serverStopped() {
        QFETCH(bool, immediate);
        const QString path = record(QStringLiteral("stopped%1").arg(immediate));
        record::Journal journal(path);
        record::Sender sender(path, QStringLiteral("ann"), &journal);
        QSignalSpy retries(&sender, &record::Sender::retryScheduled);
        sender.start();
        for (const Event& e : lesson(30))
            journal.post(e);
        journal.flush();
        QTRY_COMPARE_WITH_TIMEOUT(unsent(path), 0, 30000);
        QVERIFY(pg.stop(immediate));
        for (const Event& e : lesson(20, 3))
            journal.post(e);
        journal.flush();
        QTRY_VERIFY_WITH_TIMEOUT(retries.count() >= 3, 30000);
        for (int i : {0, 1, 2}) // doubling from a second, to at most a minute
            QCOMPARE(retries.at(i).at(0).toInt(), 1000 << i);
        QCOMPARE(record::Sender::retryDelayMs(7) + record::Sender::retryDelayMs(1000), 120000);
        QVERIFY(!sender.allSent());
        QCOMPARE(sender.waitingChecks(), 20);
        QCOMPARE(sender.stateSentence(), QStringLiteral("Waiting for the school's server: 20 answers kept on this computer"));
        QVERIFY(pg.start());
        QTRY_VERIFY_WITH_TIMEOUT(sender.allSent(), 30000);
        QCOMPARE(sender.stateSentence(), QStringLiteral("Sent to the class record"));
        QCOMPARE(server(QStringLiteral("SELECT count(DISTINCT id) FROM vornash.events WHERE pupil = 'ann';")), 100);
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events WHERE kind = 'check' AND type = 3 "
                                       "AND typed LIKE '3,14''); DROP%' AND value = 3.14;")), 20);
        QCOMPARE(unsent(path), 0);
    }

    // Killed right after the server committed the first batch, before marking it: the next run
    // sends the rest, and the batch sent twice is on the server once.
    void killedBeforeTheMark() {
        const QString path = record(QStringLiteral("killed"));
        QVERIFY(record::Store(path).append(lesson(250)));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--send-and-die"), path});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events;")), record::Sender::batchSize);
        QCOMPARE(unsent(path), 500);
        QVERIFY(pg.psql(QStringLiteral("CREATE TABLE first_run AS SELECT id, received FROM vornash.events;")));
        {
            record::Sender next(path, QStringLiteral("ann"));
            next.start();
            QTRY_VERIFY_WITH_TIMEOUT(next.known() && next.allSent(), 30000);
        }
        QCOMPARE(server(QStringLiteral("SELECT count(DISTINCT id) FROM vornash.events;")), 500);
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events JOIN first_run USING (id, received);")), 200);
        QVERIFY(pg.psql(QStringLiteral("DROP TABLE first_run;")));
        QCOMPARE(unsent(path), 0);
    }

    // What the server refuses stays unsent and is not tried again in this run, and the rest
    // goes: a value it does not take, then rows naming another pupil.
    void refused() {
        const QString path = record(QStringLiteral("refused"));
        QList<Event> events = lesson(3);
        events += lesson(1, 9).constLast(); // a type the server does not know
        events += lesson(3);
        QVERIFY(record::Store(path).append(events));
        record::Sender sender(path, QStringLiteral("ann"));
        QSignalSpy retries(&sender, &record::Sender::retryScheduled);
        sender.start();
        QTRY_VERIFY_WITH_TIMEOUT(sender.known(), 30000);
        QCOMPARE(sender.refused(), 1);
        QCOMPARE(sender.waitingChecks(), 1);
        QVERIFY(!sender.allSent());
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events;")), 12);

        QVERIFY(pg.psql(QStringLiteral("ALTER TABLE vornash.events ALTER pupil SET DEFAULT 'bob';")));
        QVERIFY(record::Store(path).append(lesson(2)));
        sender.wake();
        QTRY_COMPARE_WITH_TIMEOUT(sender.refused(), 5, 30000);
        QCOMPARE(sender.waitingChecks(), 3);
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events;")), 12);
        QCOMPARE(retries.count(), 0);
        QCOMPARE(unsent(path), 5);

        // At the next start (the school having mended its server) they are offered again.
        QVERIFY(pg.psql(QStringLiteral("ALTER TABLE vornash.events ALTER pupil SET DEFAULT session_user;")));
        record::Sender next(path, QStringLiteral("ann"));
        next.start();
        QTRY_VERIFY_WITH_TIMEOUT(next.known(), 30000);
        QCOMPARE(next.refused(), 1);
        QCOMPARE(server(QStringLiteral("SELECT count(*) FROM vornash.events WHERE pupil = 'ann';")), 16);
    }

    // A teacher trying the lessons: nothing is sent, nor tried again, nor said to be waiting.
    void teacher() {
        const QString path = record(QStringLiteral("teacher"));
        QVERIFY(record::Store(path).append(lesson(2)));
        QVERIFY(pg.createRole(QStringLiteral("lee"), PgCluster::Kind::Teacher));
        record::Sender sender(path, QStringLiteral("lee"));
        QSignalSpy retries(&sender, &record::Sender::retryScheduled);
        sender.start();
        QTRY_VERIFY_WITH_TIMEOUT(sender.known(), 30000);
        QVERIFY(sender.notPupil() && sender.stateSentence().isEmpty() && retries.isEmpty());
        QCOMPARE(unsent(path), 4);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--send-and-die") == 0) {
        record::Sender::setAfterCommitHook([](int) { std::raise(SIGKILL); });
        record::Sender sender(QString::fromLocal8Bit(argv[2]), QStringLiteral("ann"));
        sender.start();
        return app.exec();
    }
    TestSender test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sender.moc"
