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

class TestRecordInProgram : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString data() const { return dir.filePath(QStringLiteral("data")); }
    QString record() const { return data() + QStringLiteral("/vornash/progress.sqlite"); }

    // The child (see main): "12" and Enter on a problem page; with `stay` it waits to be killed,
    // otherwise it quits as the program does.
    void startChild(QProcess& child, bool wanted, bool stay, const QString& program = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data());
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("etc")));
        child.setProcessEnvironment(env);
        if (!program.isEmpty())
            return child.start(program, {QStringLiteral("--export-progress"), dir.filePath("out.csv")});
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

    void written_data()
    {
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<bool>("killed"); // 0.3 s after Enter; otherwise it quits as the program does
        QTest::newRow("killed after Enter") << true << QByteArray() << true;
        QTest::newRow("on by the setting") << true << QByteArray("[record]\nenabled=true\n") << false;
        QTest::newRow("--no-record") << false << QByteArray() << false;
        QTest::newRow("off by the setting") << true << QByteArray("[record]\nenabled=false\n") << false;
    }
    void written()
    {
        QFETCH(bool, wanted);
        QFETCH(QByteArray, setting);
        QFETCH(bool, killed);
        QDir().mkpath(dir.filePath(QStringLiteral("etc/vornash")));
        QFile conf(dir.filePath(QStringLiteral("etc/vornash/vornash.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write(setting) == setting.size());
        conf.close();
        QProcess child;
        startChild(child, wanted, killed);
        if (killed) {
            QThread::msleep(300);
            ::kill(pid_t(child.processId()), SIGKILL);
        }
        QVERIFY(child.waitForFinished());
        QVERIFY(killed ? child.exitStatus() == QProcess::CrashExit : child.exitCode() == 0);
        const bool written = wanted && !setting.contains("false");
        QCOMPARE(QFileInfo::exists(data()), written);
        if (written) {
            record::Store store(record());
            const QList<record::Event> checks = store.checks();
            QVERIFY(store.events().size() == 2 && checks.size() == 1); // the problem shown, then the check
            QVERIFY(checks[0].typed == "12" && checks[0].value == 12.0 && checks[0].firstTry);
        }
    }

    void exported()
    {
        const QString vornash = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vornash"));
        QProcess child, program;
        startChild(child, true, false);
        QVERIFY(child.waitForFinished());
        startChild(program, true, false, vornash);
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QFile out(dir.filePath("out.csv"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = out.readAll().split('\n');
        QVERIFY(lines.size() == 3 && lines[1].contains(",circles,") && lines[1].contains(",12,wrong,1,"));
        // A record that is not a file: status 1 and one line naming it.
        QFile::remove(record());
        QDir().mkpath(record());
        startChild(program, true, false, vornash);
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(said.contains(record()) && said.count(QLatin1Char('\n')) == 1, qPrintable(said));
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArrayView(argv[1]) == "--child") {
        QApplication app(argc, argv);
        road::startApplication();
        road::startRecord(QByteArrayView(argv[2]) == "1");
        auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("circles")));
        if (!page)
            return 3;
        QTest::keyClicks(page->Text1, QStringLiteral("12"));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        std::puts("entered");
        std::fflush(stdout);
        if (QByteArrayView(argv[3]) != "1")
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        return QApplication::exec();
    }
    QCoreApplication app(argc, argv);
    TestRecordInProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
