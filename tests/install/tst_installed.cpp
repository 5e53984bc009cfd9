// Copied into an installed tree's bin/ and run from elsewhere: the installed program must find
// every picture in its data folder, and start without missing any.

#include "framename.h"
#include "pictures.h"
#include "sequences.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList everyPicture()
{
    QStringList names{QStringLiteral("Images\\exit.jpg"),   QStringLiteral("Images\\next.jpg"),
                      QStringLiteral("Images\\answer.jpg"), QStringLiteral("images\\check.jpg"),
                      QStringLiteral("images\\jotter.jpg"), QStringLiteral("Images\\logo2.jpg"),
                      QStringLiteral("conenw\\conene00.jpg")};
    for (const sequences::Sequence& s : sequences::all()) {
        for (int k = 0; k < s.count; ++k)
            names << s.frameFile(k);
    }
    // Each beside its twice-size copy, for dense screens.
    for (const QString& name : QStringList(names))
        names << twiceSizeName(name);
    return names;
}

} // namespace

class TestInstalled : public QObject {
    Q_OBJECT
    QString m_data;

private Q_SLOTS:
    void initTestCase()
    {
        m_data = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/vornash"));
        QVERIFY2(QDir(m_data).exists(), qPrintable(m_data));
        // Started from an empty folder, so that only the installed data can answer.
        QDir::setCurrent(QDir::tempPath());
    }

    void findsEveryPictureInTheDataFolder()
    {
        const QString data = QDir(m_data).canonicalPath();
        for (const QString& name : everyPicture()) {
            const QString path = pictures::resolve(name);
            QVERIFY2(!path.isEmpty(), qPrintable(name));
            QVERIFY2(QFileInfo(path).canonicalFilePath().startsWith(data), qPrintable(path));
            QVERIFY2(!pictures::load(name).isNull(), qPrintable(name));
        }
    }

    // The installed program runs its title animation through every picture without a miss.
    void programStartsAndFindsItsPictures()
    {
        QTemporaryDir elsewhere;
        QProcess program;
        program.setWorkingDirectory(elsewhere.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vornash.pictures.info=true"));
        program.setProcessEnvironment(env);
        program.start(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("vornash")), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(3000), "the program ended on its own");
        program.kill();
        program.waitForFinished();
        const QByteArray log = program.readAllStandardError();
        QVERIFY2(!log.contains("picture not"), log.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
