// A text too long for its box shrinks, and a shorter one put there later gets the design size back.

#include "textfit.h"

#include <QLabel>
#include <QTest>

class TestTextFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shrinksAndGrowsBack()
    {
        QLabel label;
        label.setFixedSize(300, 40);
        textfit::setDesignSize(label, 12);
        label.setText(QStringLiteral("Fast! Rechne bis zum Schluss mit allen Stellen."));
        textfit::fit(label);
        QVERIFY(label.font().pointSizeF() < 12);
        label.setText(QStringLiteral("Richtig!"));
        textfit::fit(label);
        QCOMPARE(label.font().pointSizeF(), 12.0);
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
