// The pupil's record as the program keeps it: a problem page with an answer typed and Enter
// pressed, in a process of its own. Killed 0.3 s after Enter it has lost nothing; turned off
// by --no-record or by the system setting it writes nothing; --export-progress reads it back.

#include "navigation.h"
#include "problempage.h"
#include "road.h"
#include "store.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

// The child: the program's start, a problem page, "12" and Enter. With `stay` it waits to be
// killed; otherwise it quits as the program does.
int answerOnce(int argc, char** argv, bool wanted, bool stay)
{
    QApplication app(argc, argv);
    road::startApplication();
    road::startRecord(wanted);
    auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("circles")));
    if (!page)
        return 3;
    QTest::keyClicks(page->Text1, QStringLiteral("12"));
    QTest::keyClick(page->Text1, Qt::Key_Return);
    std::puts("entered");
    std::fflush(stdout);
    if (!stay)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

} // namespace

class TestRecordInProgram : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString data() const { return dir.filePath(QStringLiteral("data")); }
    QString record() const { return data() + QStringLiteral("/vornash/progress.sqlite"); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data());
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("etc")));
        return env;
    }

    void startChild(QProcess& child, bool wanted, bool stay)
    {
        child.setProcessEnvironment(environment());
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), QString::number(wanted), QString::number(stay)});
        QVERIFY(child.waitForStarted());
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), "entered");
    }

private Q_SLOTS:
    void init()
    {
        QDir(data()).removeRecursively();
        QDir(dir.filePath(QStringLiteral("etc"))).removeRecursively();
    }

    void killedAfterEnter()
    {
        QProcess child;
        startChild(child, true, true);
        QThread::msleep(300);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        record::Store store(record());
        const QList<record::Event> checks = store.checks();
        QCOMPARE(checks.size(), 1);
        QCOMPARE(checks[0].typed, QStringLiteral("12"));
        QCOMPARE(checks[0].value, 12.0);
        QVERIFY(checks[0].firstTry);
        QCOMPARE(store.events().size(), 2); // the problem shown, then the check
    }

    void off_data()
    {
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<bool>("written");
        QTest::newRow("on") << true << QByteArray() << true;
        QTest::newRow("on by the setting") << true << QByteArray("[record]\nenabled=true\n") << true;
        QTest::newRow("--no-record") << false << QByteArray() << false;
        QTest::newRow("off by the setting") << true << QByteArray("[record]\nenabled=false\n") << false;
    }

    void off()
    {
        QFETCH(bool, wanted);
        QFETCH(QByteArray, setting);
        QFETCH(bool, written);
        if (!setting.isEmpty()) {
            QDir().mkpath(dir.filePath(QStringLiteral("etc/vornash")));
            QFile conf(dir.filePath(QStringLiteral("etc/vornash/vornash.conf")));
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write(setting);
        }
        QProcess child;
        startChild(child, wanted, false);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QFileInfo::exists(data()), written);
        if (written)
            QCOMPARE(record::Store(record()).checks().size(), 1);
    }

    void exported()
    {
        QProcess child;
        startChild(child, true, false);
        QVERIFY(child.waitForFinished());
        QProcess program;
        program.setProcessEnvironment(environment());
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        const QString vornash = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vornash"));
        program.start(vornash, {QStringLiteral("--export-progress"), csv});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QFile out(csv);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = out.readAll().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).left(10).toUtf8()));
        QVERIFY(lines[1].contains(",12,wrong,1,"));
        // Nowhere to write, and no record to read: one line each, status 1.
        program.start(vornash, {QStringLiteral("--export-progress"), dir.filePath(QStringLiteral("no/such/folder.csv"))});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(program.readAllStandardError().count('\n'), 1);
        QFile::remove(record());
        QDir().mkpath(record());
        program.start(vornash, {QStringLiteral("--export-progress"), csv});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(said.contains(record()) && said.count(QLatin1Char('\n')) == 1, qPrintable(said));
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArrayView(argv[1]) == "--child")
        return answerOnce(argc, argv, QByteArrayView(argv[2]) == "1", QByteArrayView(argv[3]) == "1");
    QCoreApplication app(argc, argv);
    TestRecordInProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
