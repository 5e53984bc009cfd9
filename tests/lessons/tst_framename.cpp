#include "framename.h"
#include "sequences.h"

#include <QSet>
#include <QTest>

class TestFrameName : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << "circlesm\\circle" << 0 << ".jpg" << "circlesm\\circle00.jpg";
        QTest::newRow("9") << "circlesm\\circle" << 9 << ".jpg" << "circlesm\\circle09.jpg";
        QTest::newRow("10") << "circlesm\\circle" << 10 << ".jpg" << "circlesm\\circle10.jpg";
        QTest::newRow("gif") << "cylindsm\\cylind" << 99 << ".gif" << "cylindsm\\cylind99.gif";
        QTest::newRow("stem ends in 00, 5") << "mobiussm\\bstr00" << 5 << ".jpg" << "mobiussm\\bstr0005.jpg";
        QTest::newRow("stem ends in 00, 42") << "mobiussm\\bstr00" << 42 << ".jpg" << "mobiussm\\bstr0042.jpg";
        QTest::newRow("stem ends in 3") << "tris3sm\\tris3" << 3 << ".jpg" << "tris3sm\\tris303.jpg";
    }
    void names()
    {
        QFETCH(QString, stem);
        QFETCH(int, number);
        QFETCH(QString, ext);
        QFETCH(QString, expected);
        QCOMPARE(frameFileName(stem, number, ext), expected);
    }

    void twiceSizeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("frame") << "circlesm\\circle07.jpg" << "circlesm\\circle07@2x.jpg";
        QTest::newRow("forward slash") << "Images/exit.jpg" << "Images/exit@2x.jpg";
        QTest::newRow("dot in a folder") << "a.b\\name" << "a.b\\name@2x";
    }
    void twiceSizeNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(twiceSizeName(name), expected);
    }

    // Each sequence has folder of its own, frames, and a description a screen reader can tell
    // from every other.
    void tableRowsAreDistinct()
    {
        QSet<QString> folders, descriptions;
        for (const sequences::Sequence& s : sequences::all()) {
            QVERIFY(s.count > 0);
            QCOMPARE(s.frameFile(s.count - 1),
                     frameFileName(s.stem(), s.count - 1, QLatin1String(s.ext)));
            folders << QLatin1String(s.folder);
            descriptions << s.description();
        }
        QCOMPARE(folders.size(), sequences::kSequenceCount);
        QCOMPARE(descriptions.size(), sequences::kSequenceCount);
    }

    // Each animation's description for screen readers opens with the shape it shows.
    void descriptionsNameTheirShape_data()
    {
        QTest::addColumn<sequences::Id>("id");
        QTest::addColumn<QString>("opening");
        QTest::newRow("title") << sequences::Id::Title << "A cone is folded";
        QTest::newRow("circle") << sequences::Id::Circle << "A circle of radius r cut";
        QTest::newRow("sector") << sequences::Id::Sector << "A sector of angle A";
        QTest::newRow("triangle") << sequences::Id::Triangle << "The isosceles triangle";
        QTest::newRow("segment") << sequences::Id::Segment << "A segment:";
        QTest::newRow("cylinder") << sequences::Id::Cylinder << "A rectangle folded round";
        QTest::newRow("torus") << sequences::Id::Torus << "A cylinder bent round";
        QTest::newRow("Möbius strip") << sequences::Id::Mobius << "A rectangle given a half twist";
        QTest::newRow("cone") << sequences::Id::Cone << "A circle with a sector removed";
    }

    void descriptionsNameTheirShape()
    {
        QFETCH(sequences::Id, id);
        QFETCH(QString, opening);
        QVERIFY2(sequences::get(id).description().startsWith(opening), qPrintable(sequences::get(id).description()));
    }
};

QTEST_GUILESS_MAIN(TestFrameName)
#include "tst_framename.moc"
