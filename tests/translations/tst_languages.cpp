// The program in each of its languages: the language chosen from the environment, every page
// walked with every shape, problem and verdict and the Jotter both ways, and no text cut off by
// its box; on the problem pages the answer shown, typed back with either separator, is right.

#include "circles0.h"
#include "draws.h"
#include "feedback.h"
#include "fonts.h"
#include "generators.h"
#include "intro0.h"
#include "jotter.h"
#include "labelbutton.h"
#include "language.h"
#include "lessonpage.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "page.h"
#include "picturebutton.h"
#include "problempage.h"
#include "road.h"
#include "textfit.h"
#include "../common/windows.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

namespace {

// The room a text needs at its widget's font against the room its box gives it, measured as
// the control draws: labels and the program's clickable labels wrap when they wrap, option
// buttons and push buttons keep to one line beside their indicator or inside their frame.
QString clipped(const QWidget& w)
{
    const QFontMetrics metrics = w.fontMetrics();
    QRect box;
    QRect needed;
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->text().isEmpty())
            return {};
        box = label->contentsRect();
        needed = metrics.boundingRect(box, int(label->alignment())
                                              | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                      label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        if (button->text().isEmpty())
            return {};
        box = button->rect();
        if (qobject_cast<const QRadioButton*>(button)) {
            const int indicator = w.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                                  + w.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            box.setLeft(indicator);
            needed = metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignVCenter, button->text());
        } else if (qobject_cast<const QPushButton*>(button)) {
            box.adjust(2, 2, -2, -2); // the face's border
            needed = metrics.boundingRect(box, Qt::AlignCenter, button->text());
        } else {
            needed = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        }
    } else {
        return {};
    }
    if (needed.width() <= box.width() && needed.height() <= box.height())
        return {};
    return QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6 at %7 pt")
        .arg(w.objectName(), qobject_cast<const QLabel*>(&w)
                                 ? static_cast<const QLabel&>(w).text()
                                 : static_cast<const QAbstractButton&>(w).text())
        .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height())
        .arg(w.font().pointSizeF());
}

// Every text cut off in the window as it is on screen now.
QStringList clippedTexts(QWidget& window, const QString& where)
{
    QCoreApplication::processEvents();
    QStringList found;
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(&window))
            continue;
        const QString fault = clipped(*w);
        if (!fault.isEmpty())
            found << where + QStringLiteral(": ") + fault;
    }
    return found;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        // Every problem type in turn, and a different shape each time a lesson opens.
        draws::setSeedFactory([] { return draws::fixed({0.05, 0.4, 0.6}); });
    }

    void cleanup()
    {
        windows::closeEverything();
        language::use(QStringLiteral("en"));
    }

    void chosenFromTheEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("list first") << QStringList{"fr:de", "", "", "es_ES.UTF-8"}
                                    << QStringList{"fr", "de"};
        QTest::newRow("LC_ALL before LANG") << QStringList{"", "de_AT.UTF-8@euro", "", "es_ES"}
                                            << QStringList{"de_AT", "de"};
        QTest::newRow("LC_MESSAGES") << QStringList{"", "", "es_MX.UTF-8", "de_DE"}
                                     << QStringList{"es_MX", "es"};
        QTest::newRow("LANG") << QStringList{"", "", "", "fr_FR.UTF-8"}
                              << QStringList{"fr_FR", "fr"};
        QTest::newRow("C locale") << QStringList{"", "C.UTF-8", "", "de_DE.UTF-8"}
                                  << QStringList{"en"};
        QTest::newRow("nothing set") << QStringList{"", "", "", ""} << QStringList{};
    }

    void chosenFromTheEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, wanted);
        const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        const auto env = [&](const char* name) {
            for (int i = 0; i < 4; ++i)
                if (qstrcmp(names[i], name) == 0)
                    return environment.at(i);
            return QString();
        };
        QCOMPARE(language::wanted(env), wanted);
    }

    void unknownLanguageFallsBackToEnglish()
    {
        QVERIFY(language::use(QStringLiteral("de")));
        QVERIFY(!language::use(QStringLiteral("xx")));
        QCOMPARE(language::current(), QStringLiteral("en"));
        QCOMPARE(language::decimalPoint(), QLatin1Char('.'));
        QCOMPARE(ProblemPage::tr("Your answer"), QStringLiteral("Your answer"));
    }

    // A British desktop's dates in English, and German's own under a French desktop.
    void datesOfTheDesktop()
    {
        const QDate day(2026, 11, 25);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QCOMPARE(language::locale().toString(day, QLocale::ShortFormat), QStringLiteral("25/11/2026"));
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        QVERIFY(language::use(QStringLiteral("de")));
        QCOMPARE(language::locale().toString(day, QLocale::ShortFormat), QStringLiteral("25.11.26"));
        QLocale::setDefault(QLocale::system());
    }

    void everyPageFits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("point");
        QTest::newRow("en") << "en" << ".";
        QTest::newRow("de") << "de" << ",";
        QTest::newRow("fr") << "fr" << ",";
        QTest::newRow("es") << "es" << ",";
    }

    void everyPageFits()
    {
        QFETCH(QString, code);
        QFETCH(QString, point);
        QVERIFY(language::use(code));
        QCOMPARE(language::current(), code);
        QCOMPARE(QString(language::decimalPoint()), point);
        Module1::reset();
        QStringList faults;

        for (const char* name : {"Titlefrm", "intro0"}) {
            Page* p = navigation::show(QLatin1String(name));
            QVERIFY(p);
            if (auto* menu = qobject_cast<intro0*>(p))
                menu->Label2_MouseMove(0);
            faults << clippedTexts(*p, QLatin1String(name));
            delete p;
        }
        for (const char* name : {"circles0", "folding0"}) {
            auto* lesson = qobject_cast<LessonPage*>(navigation::show(QLatin1String(name)));
            QVERIFY(lesson);
            for (int i = 0; i < LessonPage::shapeCount; ++i) {
                lesson->Option1[i]->click();
                const QString where = QStringLiteral("%1 shape %2").arg(QLatin1String(name)).arg(i);
                faults << clippedTexts(*lesson, where);
                // The formula follows its sentence inside the room the sentence leaves, above
                // the link at the foot of the page.
                if (auto* circles = qobject_cast<circles0*>(lesson)) {
                    const QRect formula = circles->Label4[i]->geometry();
                    if (!lesson->rect().contains(formula)
                        || formula.bottom() >= lesson->Label15->geometry().top())
                        faults << where + QStringLiteral(": formula out of place");
                }
            }
            delete lesson;
        }
        for (const char* name : {"circles", "folding"}) {
            auto* page = qobject_cast<ProblemPage*>(navigation::show(QLatin1String(name)));
            QVERIFY(page);
            // The feedback shares the instruction's box, below the instruction's lines.
            const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
            if (page->Label2->fontMetrics().boundingRect(page->Label2->geometry(), flags,
                                                         page->Label2->text())
                    .intersects(page->lblfeedback->geometry()))
                faults << QStringLiteral("%1: the feedback over the instruction").arg(name);
            for (int i = 0; i < 6; ++i) {
                const QString where = QStringLiteral("%1 problem %2").arg(QLatin1String(name)).arg(i);
                page->Text1->setText(QStringLiteral("-1"));
                page->cmdcheckit->click();
                faults << clippedTexts(*page, where + QStringLiteral(" wrong"));
                page->cmdsoln->click();
                faults << clippedTexts(*page, where + QStringLiteral(" answer shown"));
                // What is shown, typed back as shown and with the other separator, is right.
                const QString shown = page->Label4->text();
                QVERIFY2(shown.contains(point), qPrintable(shown));
                QVERIFY2(page->lblfeedback->text().endsWith(QStringLiteral("= ") + shown),
                         qPrintable(page->lblfeedback->text()));
                QString other = shown;
                other.replace(QLatin1Char(','), QLatin1Char('.'));
                for (const QString& typed : {shown, other}) {
                    page->Text1->setText(typed);
                    page->cmdcheckit->click();
                    QCOMPARE(page->Label4->text(),
                             QCoreApplication::translate("problems", "Correct, Well Done!"));
                    QVERIFY2(page->lblfeedback->text().isEmpty(),
                             qPrintable(typed + page->lblfeedback->text()));
                }
                faults << clippedTexts(*page, where + QStringLiteral(" right"));
                page->cmdgo->click();
            }
            page->cmdjotter->click();
            jotter::notepad* pad = jotter::instance();
            QVERIFY(pad);
            faults << clippedTexts(*pad, QStringLiteral("Jotter wide"));
            pad->Command3_Click();
            faults << clippedTexts(*pad, QStringLiteral("Jotter tall"));
            jotter::close();
            delete page;
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every sentence the feedback can say, with the largest numbers, fits its box; a slip typed
    // as the language writes numbers is named, never taken for a decimal comma typed by mistake.
    void feedbackFits_data() { everyPageFits_data(); }

    void feedbackFits()
    {
        QFETCH(QString, code);
        QFETCH(QString, point);
        QVERIFY(language::use(code));
        const auto separator = point == QLatin1String(",") ? problems::Separator::PointOrComma
                                                           : problems::Separator::Point;
        auto* page = qobject_cast<ProblemPage*>(navigation::show(QStringLiteral("circles")));
        QVERIFY(page);
        QStringList faults;
        for (int type = 0; type < 6; ++type) {
            for (const problems::Problem& p :
                 {problems::circlesProblem(type, 10, 11), problems::foldingProblem(type, 4, 5)}) {
                QStringList sentences = problems::everySentence(p);
                sentences << problems::workedSolution(p, point.at(0));
                for (const QString& text : sentences) {
                    page->lblfeedback->setText(text);
                    textfit::fit(*page->lblfeedback);
                    page->lblfeedback->show();
                    faults << clippedTexts(*page, QStringLiteral("feedback"));
                }
                for (const problems::Slip& slip : problems::slipsOf(p)) {
                    problems::Escalation escalation;
                    const QString typed = problems::formatAnswer(slip.value, point.at(0));
                    const problems::Said said = problems::afterCheck(p, typed, escalation, separator);
                    QVERIFY2(said.kind != problems::Said::Text, qPrintable(typed + said.text));
                }
            }
        }
        // Nearly the answer, with π as 3.14 and cut short: "so close", without the answer.
        problems::Escalation escalation;
        const problems::Problem area = problems::circlesProblem(1, 1, 4);
        const problems::Said said =
            problems::afterCheck(area, "3" + point + "136", escalation, separator);
        QVERIFY2(said.kind == problems::Said::Pooled
                     && !problems::revealsAnswer(said.text, area.answer,
                                                 problems::Separator::PointOrComma),
                 qPrintable(said.text));
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
