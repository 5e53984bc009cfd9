#include "framename.h"

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
};

QTEST_GUILESS_MAIN(TestFrameName)
#include "tst_framename.moc"
