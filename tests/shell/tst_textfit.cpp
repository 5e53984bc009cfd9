// A text too long for its box shrinks, and a shorter one put there later gets the design size back.

#include "textfit.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class TestTextFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shrinksAndGrowsBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<int>("width");
        QTest::newRow("label") << "label" << false << 300;
        QTest::newRow("label, wrapped") << "label" << true << 160;
        QTest::newRow("push button") << "push" << false << 300;
        QTest::newRow("radio button") << "radio" << false << 300;
    }

    void shrinksAndGrowsBack()
    {
        QFETCH(QString, kind);
        QFETCH(bool, wraps);
        QFETCH(int, width);
        std::unique_ptr<QWidget> w;
        if (kind == QLatin1String("label")) {
            auto* label = new QLabel;
            label->setWordWrap(wraps);
            w.reset(label);
        } else if (kind == QLatin1String("push")) {
            w.reset(new QPushButton);
        } else {
            w.reset(new QRadioButton);
        }
        w->setFixedSize(width, 40);
        textfit::setDesignSize(*w, 12);
        const auto setText = [&](const QString& text) {
            if (auto* label = qobject_cast<QLabel*>(w.get()))
                label->setText(text);
            else
                static_cast<QAbstractButton*>(w.get())->setText(text);
            textfit::fit(*w);
        };
        setText(QStringLiteral("Fast! Rechne bis zum Schluss mit allen Stellen."));
        QVERIFY(w->font().pointSizeF() < 12);
        QVERIFY(textfit::room(*w).fits());
        setText(QStringLiteral("Richtig!"));
        QCOMPARE(w->font().pointSizeF(), 12.0);
        // A size the page sets afterwards is the new design size.
        textfit::setDesignSize(*w, 10);
        setText(QStringLiteral("Gut"));
        QCOMPARE(w->font().pointSizeF(), 10.0);
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
