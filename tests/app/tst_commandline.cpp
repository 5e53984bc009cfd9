// The program as an administrator starts it from a terminal: the options it answers without
// a display, the ones it refuses, and the displays it cannot use. Each case ends with a
// message and a status of its own, never with a crash.

#include "displays.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// A display number with nothing behind it on this machine.
QString unusedDisplay()
{
    for (int n = 150; n < 400; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
            && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
    return {};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersAndRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display"); // empty: none at all
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("language"); // LANGUAGE; empty: English
        const QString nowhere = unusedDisplay();
        QTest::newRow("--help, no display") << QStringList{"--help"} << "" << 0 << "--version" << "" << "";
        QTest::newRow("-h") << QStringList{"-h"} << "" << 0 << "--help" << "" << "";
        QTest::newRow("--version, no display") << QStringList{"--version"} << "" << 0 << "vornash 4.0.003" << "" << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "" << 1 << "" << "'bogus'" << "";
        QTest::newRow("unknown single-dash option") << QStringList{"-display", ":0"} << "" << 1 << "" << "'display'" << "";
        QTest::newRow("stray argument") << QStringList{"lessons"} << "" << 1 << "" << "'lessons'" << "";
        QTest::newRow("--class, no class record here") << QStringList{"--class"} << "" << 1 << "" << "no class record" << "";
        QTest::newRow("--export-class, no server") << QStringList{"--classroom", "vornash-none", "--export-class", "x.csv"} << "" << 1 << "" << "did not answer" << "";
        QTest::newRow("no display") << QStringList{} << "" << 2 << "" << "no display" << "";
        QTest::newRow("display nobody answers") << QStringList{} << nowhere << 2 << ""
                                                << QStringLiteral("\"%1\"").arg(nowhere) << "";
        QTest::newRow("--help, German") << QStringList{"--help"} << "" << 0 << "[Optionen]" << "" << "de";
        QTest::newRow("unknown option, French") << QStringList{"--bogus"} << "" << 1 << "" << "Option inconnue" << "fr";
        QTest::newRow("display nobody answers, Spanish") << QStringList{} << nowhere << 2 << ""
                                                         << "ningún servidor gráfico responde" << "es";
    }

    void answersAndRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, language);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(name));
        if (!language.isEmpty())
            env.insert(QStringLiteral("LANGUAGE"), language);
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vornash")),
                      arguments);
        QVERIFY(program.waitForStarted());
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program did not end");
        }
        const QString said = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == status, qPrintable(complained));
        QVERIFY2(said.contains(out), qPrintable(said));
        QVERIFY2(complained.contains(err), qPrintable(complained));
        // An answer goes to the standard output alone; a refusal or failure to the error output.
        QCOMPARE(said.isEmpty(), status != 0);
        QCOMPARE(complained.isEmpty(), status == 0);
    }

    // The displays the toolkit will try, first first, from the environment alone.
    void displaysToTry_data()
    {
        QTest::addColumn<QString>("environment"); // NAME=value ...
        QTest::addColumn<QString>("tried");       // "platform display", ...
        QTest::newRow("X only") << "DISPLAY=:0" << "xcb :0";
        QTest::newRow("Wayland only") << "WAYLAND_DISPLAY=wayland-1" << "wayland wayland-1";
        QTest::newRow("Wayland session") << "XDG_SESSION_TYPE=wayland" << "wayland wayland-0";
        QTest::newRow("none") << "" << "";
        QTest::newRow("X asked, none") << "QT_QPA_PLATFORM=xcb:dpi=96 WAYLAND_DISPLAY=w" << "";
        QTest::newRow("offscreen") << "QT_QPA_PLATFORM=offscreen" << "offscreen ";
        QTest::newRow("list") << "QT_QPA_PLATFORM=wayland;xcb DISPLAY=:3" << "wayland wayland-0, xcb :3";
    }

    void displaysToTry()
    {
        QFETCH(QString, environment);
        QFETCH(QString, tried);
        QProcessEnvironment env;
        for (const QString& entry : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        QStringList found;
        for (const displays::Display& d : displays::toTry([&](const char* name) { return env.value(QLatin1String(name)); }))
            found << d.platform + QLatin1Char(' ') + d.name;
        QCOMPARE(found.join(QStringLiteral(", ")), tried);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
