// Whatever a pupil types or pastes into the answer box of either problem page, Enter gives a
// verdict, by the reading rule, and nothing out of range is ever taken as right.

#include "draws.h"
#include "fonts.h"
#include "road.h"
#include "walk.h"

namespace {

// Typed as it stands, with "#" standing for the right answer written to three decimals.
QString expand(const QString& pattern, double answer)
{
    return QString(pattern).replace(QLatin1Char('#'), QString::number(answer, 'f', 3));
}

// The right answer in another script's digits.
QString inDigits(double answer, char16_t zero)
{
    QString text = QString::number(answer, 'f', 3);
    for (QChar& c : text) {
        if (c.isDigit())
            c = QChar(char16_t(zero + (c.unicode() - u'0')));
    }
    return text;
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        draws::setSeedFactory([] { return draws::fixed({0.9, 0.95, 0.9, 0.5, 0.3}); });
    }

    void cleanup() { walk::closeEverything(); }

    void enter_data()
    {
        QTest::addColumn<QString>("typed"); // "#" is the right answer
        QTest::addColumn<bool>("right");

        QTest::newRow("a megabyte of nines") << QString(1 << 20, u'9') << false;
        QTest::newRow("a megabyte of junk")
            << QStringLiteral("1.5e-3x\t\n\r\x01\u00e9\u2028").repeated((1 << 20) / 12) << false;
        QTest::newRow("answer then a megabyte of junk")
            << QStringLiteral("#") + QStringLiteral("x\x02 ").repeated((1 << 20) / 3) << true;
        QTest::newRow("many blanks then the answer") << QString(30000, u' ') + QStringLiteral("#") << true;
        QTest::newRow("a tiny number a megabyte long")
            << QStringLiteral("0.") + QString(1 << 20, u'0') + QStringLiteral("1") << false;
        QTest::newRow("an exponent a megabyte long") << QStringLiteral("#e") + QString(1 << 20, u'9') << false;
        QTest::newRow("control characters before") << QStringLiteral("\x01\x1b[2J#") << false;
        QTest::newRow("control characters after") << QStringLiteral("#\x07\x7f\x1b") << true;
        QTest::newRow("nul inside") << QStringLiteral("#").insert(0, QChar(u'\0')) << false;
        QTest::newRow("blanks, tabs and line feeds inside") << QStringLiteral(" \t#\n ") << true;
        QTest::newRow("carriage return before") << QStringLiteral("\r#") << false;
        QTest::newRow("1e999") << QStringLiteral("1e999") << false;
        QTest::newRow("-1e999") << QStringLiteral("-1e999") << false;
        QTest::newRow("answer e999") << QStringLiteral("#e999") << false;
        QTest::newRow("answer e-999") << QStringLiteral("#e-999") << false;
        QTest::newRow("exponent beyond any integer") << QStringLiteral("#e99999999999999999999999") << false;
        QTest::newRow("nan") << QStringLiteral("nan") << false;
        QTest::newRow("NaN") << QStringLiteral("NaN") << false;
        QTest::newRow("inf") << QStringLiteral("inf") << false;
        QTest::newRow("-infinity") << QStringLiteral("-infinity") << false;
        QTest::newRow("&H10") << QStringLiteral("&H10") << false;
        QTest::newRow("0x10") << QStringLiteral("0x10") << false;
        QTest::newRow("a lone -") << QStringLiteral("-") << false;
        QTest::newRow("a lone .") << QStringLiteral(".") << false;
        QTest::newRow("1e") << QStringLiteral("1e") << false;
        QTest::newRow("answer then e") << QStringLiteral("#e") << true;
        QTest::newRow("many exponents") << QStringLiteral("#e0e5e9e999") << true;
        QTest::newRow("many exponents, the first out of range") << QStringLiteral("#e999e-999") << false;
        QTest::newRow("two points") << QStringLiteral("#.5") << true;
        QTest::newRow("comma for point") << QStringLiteral("comma") << false;
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("arabic") << false;
        QTest::newRow("fullwidth digits") << QStringLiteral("fullwidth") << false;
        QTest::newRow("no-break space inside") << QStringLiteral("\u00a0#") << false;
        QTest::newRow("sign then blank") << QStringLiteral("+ #") << true;
        QTest::newRow("double sign") << QStringLiteral("--#") << false;
        QTest::newRow("lone surrogate") << QString(QChar(char16_t(0xd800))) + QStringLiteral("#") << false;
    }

    void enter()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        for (const QString& pageName : {QStringLiteral("circles"), QStringLiteral("folding")}) {
            navigation::show(pageName);
            auto* page = walk::only<ProblemPage>();
            QVERIFY(page);
            // A problem whose answer is far from 0, 1, 10 and 16, which the junk rows read as, and
            // not a whole number, which "3,14" would match.
            auto awayFromJunk = [](double a) {
                return a > 2 && a < 1e6 && std::abs(a - 10) > 1 && std::abs(a - 16) > 1
                       && std::abs(a - std::round(a)) > 0.01;
            };
            for (int tries = 0; tries < 50 && !awayFromJunk(Module1::answer); ++tries)
                walk::press(page->cmdgo);
            const double answer = Module1::answer;
            QVERIFY(awayFromJunk(answer));
            QString text;
            if (typed == QLatin1String("arabic"))
                text = inDigits(answer, u'\u0660');
            else if (typed == QLatin1String("fullwidth"))
                text = inDigits(answer, u'\uff10');
            else if (typed == QLatin1String("comma"))
                text = QString::number(answer, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(','));
            else
                text = expand(typed, answer);

            page->Text1->setFocus();
            const bool typable = text.size() < 100
                                 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
            if (typable) {
                // Typed key by key, each key bringing its character as a keyboard of any
                // script does.
                for (const QChar c : text) {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(page->Text1, &press);
                    QApplication::sendEvent(page->Text1, &release);
                }
                QCOMPARE(page->Text1->text(), text);
            } else {
                page->Text1->insert(text); // pasted
            }
            QTest::keyClick(page->Text1, Qt::Key_Return);
            QVERIFY(page->Label4->isVisible());
            QCOMPARE(page->Label4->text(), right ? problems::kRight : problems::kWrong);
            // The problem is the same one: the verdict belongs to it.
            QCOMPARE(Module1::answer, answer);
            walk::closeEverything();
        }
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
