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
        QTest::newRow("first") << "circlesm\\circle" << 0 << ".jpg" << "circlesm\\circle00.jpg";
        QTest::newRow("one digit") << "circlesm\\circle" << 7 << ".jpg" << "circlesm\\circle07.jpg";
        QTest::newRow("nine") << "circlesm\\circle" << 9 << ".jpg" << "circlesm\\circle09.jpg";
        QTest::newRow("ten") << "circlesm\\circle" << 10 << ".jpg" << "circlesm\\circle10.jpg";
        QTest::newRow("last of 58") << "circlesm\\circle" << 57 << ".jpg" << "circlesm\\circle57.jpg";
        QTest::newRow("gif") << "cylindsm\\cylind" << 99 << ".gif" << "cylindsm\\cylind99.gif";
        QTest::newRow("stem ends in digits, first")
            << "mobiussm\\bstr00" << 0 << ".jpg" << "mobiussm\\bstr0000.jpg";
        QTest::newRow("stem ends in digits, one digit")
            << "mobiussm\\bstr00" << 5 << ".jpg" << "mobiussm\\bstr0005.jpg";
        QTest::newRow("stem ends in digits, two digits")
            << "mobiussm\\bstr00" << 42 << ".jpg" << "mobiussm\\bstr0042.jpg";
        QTest::newRow("stem ends in a digit") << "tris3sm\\tris3" << 3 << ".jpg" << "tris3sm\\tris303.jpg";
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
