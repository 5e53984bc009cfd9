// Picture lookup and reading: names as the pages write them must find the generated files on a
// case-sensitive file system, and nothing that can happen to a file may do more than fail.

#include "../common/fixtures.h"
#include "pictures.h"

#include <QFile>
#include <QtTest>

class TestPictures : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QTemporaryDir m_second;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_second.isValid());
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/exit.jpg"), Qt::red));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("mobiussm/bstr0007.jpg"), Qt::green));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("cylindsm/cylind00.gif"), Qt::blue,
                                       {32, 24}, "GIF")
                || fixtures::writePicture(m_root.path(), QStringLiteral("cylindsm/cylind00.gif"), Qt::blue,
                                          {32, 24}, "PNG"));
        QVERIFY(fixtures::writePicture(m_second.path(), QStringLiteral("Images/logo2.jpg"), Qt::cyan));
        QVERIFY(fixtures::writePicture(m_second.path(), QStringLiteral("Images/exit.jpg"), Qt::magenta));
    }

    void init() { pictures::setSearchRoots({m_root.path(), m_second.path()}); }
    void cleanup() { pictures::setSearchRoots({}); }

    // Pages write folder names in either case and with a backslash.
    void resolvesDesignNames_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as generated") << "Images\\exit.jpg" << "Images/exit.jpg";
        QTest::newRow("lower-case folder") << "images\\exit.jpg" << "Images/exit.jpg";
        QTest::newRow("upper-case file") << "IMAGES\\EXIT.JPG" << "Images/exit.jpg";
        QTest::newRow("forward slash") << "Images/exit.jpg" << "Images/exit.jpg";
        QTest::newRow("stem ending in digits") << "mobiussm\\bstr0007.jpg" << "mobiussm/bstr0007.jpg";
        QTest::newRow("gif frame") << "cylindsm\\cylind00.gif" << "cylindsm/cylind00.gif";
    }
    void resolvesDesignNames()
    {
        QFETCH(QString, design);
        QFETCH(QString, expected);
        QCOMPARE(pictures::resolve(design), QDir(m_root.path()).absoluteFilePath(expected));
    }

    // The first root that holds a picture wins; a later root fills in what the first lacks.
    void searchesRootsInOrder()
    {
        QCOMPARE(fixtures::centreColour(pictures::load(QStringLiteral("Images\\exit.jpg"))).red() > 200, true);
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("images\\logo2.jpg"))),
                                     Qt::cyan));
    }

    void missingOrEscapingNamesFindNothing_data()
    {
        QTest::addColumn<QString>("design");
        QTest::newRow("missing file") << "Images\\next.jpg";
        QTest::newRow("missing folder") << "nowhere\\exit.jpg";
        QTest::newRow("folder, not file") << "Images";
        QTest::newRow("empty") << "";
        QTest::newRow("parent folder") << "..\\Images\\exit.jpg";
    }
    void missingOrEscapingNamesFindNothing()
    {
        QFETCH(QString, design);
        QVERIFY(pictures::resolve(design).isEmpty());
        QVERIFY(pictures::load(design).isNull());
    }

    // Whatever has happened to a file, reading it fails quietly.
    void brokenFilesReadAsNull_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("truncated jpeg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
        QTest::newRow("text") << QByteArray("not a picture at all");
    }
    void brokenFilesReadAsNull()
    {
        QFETCH(QByteArray, content);
        QFile f(m_root.filePath(QStringLiteral("Images/answer.jpg")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        QVERIFY(pictures::load(QStringLiteral("Images\\answer.jpg")).isNull());
    }

    // A picture replaced on disk shows at once: nothing is cached between reads.
    void readsAfreshEachTime()
    {
        const QString name = QStringLiteral("Images/next.jpg");
        QVERIFY(fixtures::writePicture(m_root.path(), name, Qt::yellow));
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("Images\\next.jpg"))),
                                     Qt::yellow));
        QVERIFY(fixtures::writePicture(m_root.path(), name, Qt::darkBlue));
        QVERIFY(fixtures::sameColour(fixtures::centreColour(pictures::load(QStringLiteral("Images\\next.jpg"))),
                                     Qt::darkBlue));
        QFile::remove(m_root.filePath(name));
    }

    // A picture of another format under the expected name is still read by its content.
    void formatFollowsContent()
    {
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/check.jpg"), Qt::white,
                                       {8, 8}, "PNG"));
        QCOMPARE(pictures::load(QStringLiteral("images\\check.jpg")).size(), QSize(8, 8));
    }

    // A picture shown in a smaller box is read at its fitted size only when it is a JPEG at
    // least twice that size; everything else is read whole. Its colour survives either way.
    void readsAtTheShownSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("shownIn");
        QTest::addColumn<QSize>("expected");
        const QString jpeg = QStringLiteral("torusssm/toruss07.jpg");
        QTest::newRow("jpeg at twice the box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(324, 244);
        QTest::newRow("jpeg in a taller box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                              << QSize(324, 400) << QSize(324, 244);
        QTest::newRow("jpeg under twice the box") << jpeg << QByteArray("JPEG") << QSize(648, 488)
                                                  << QSize(400, 300) << QSize(648, 488);
        QTest::newRow("jpeg smaller than the box") << jpeg << QByteArray("JPEG") << QSize(64, 48)
                                                   << QSize(324, 244) << QSize(64, 48);
        QTest::newRow("no box") << jpeg << QByteArray("JPEG") << QSize(648, 488) << QSize()
                                << QSize(648, 488);
        QTest::newRow("png under a jpeg name") << jpeg << QByteArray("PNG") << QSize(648, 488)
                                               << QSize(324, 244) << QSize(648, 488);
    }
    void readsAtTheShownSize()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QSize, stored);
        QFETCH(QSize, shownIn);
        QFETCH(QSize, expected);
        QVERIFY(fixtures::writePicture(m_root.path(), file, Qt::darkGreen, stored, format.constData()));
        const QImage picture = pictures::load(QString(file).replace(QLatin1Char('/'), QLatin1Char('\\')),
                                              shownIn);
        QFile::remove(m_root.filePath(file));
        QCOMPARE(picture.size(), expected);
        QVERIFY(fixtures::sameColour(fixtures::centreColour(picture), Qt::darkGreen));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
