// Ready for translation: with a translation that marks every text it is asked for, every text a
// pupil reads or hears on every page comes out marked, and every text asked for is in the
// template the build gathers for translators.

#include "draws.h"
#include "fonts.h"
#include "intro0.h"
#include "jotter.h"
#include "lessonpage.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "page.h"
#include "picturebutton.h"
#include "problempage.h"
#include "road.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// Hands back every text in marks, and notes what was asked for.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return {};
        m_asked.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
        return kOpen + QString::fromUtf8(source) + kClose;
    }
    // The program's own requests; the toolkit asks for its own texts too.
    QSet<QPair<QString, QString>> programAsked() const
    {
        QSet<QPair<QString, QString>> ours;
        for (const auto& asked : m_asked) {
            const QString& context = asked.first;
            const bool toolkit = context.size() > 1 && context[0] == QLatin1Char('Q')
                                 && context[1].isUpper();
            if (!toolkit)
                ours.insert(asked);
        }
        return ours;
    }

private:
    mutable QSet<QPair<QString, QString>> m_asked;
};

bool marked(const QString& text)
{
    return text.startsWith(kOpen) && text.endsWith(kClose);
}

// Texts that are not words: the publisher's address, numbers, formulas.
bool exempt(const QWidget* w, const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    if (text.trimmed().isEmpty() || number.match(text).hasMatch())
        return true;
    if (w->objectName() == QLatin1String("Label6")) // www address on the menu
        return true;
    // The brand, the same in every language.
    if (text == QLatin1String("Vornash 3 Demo") || text == QLatin1String("Vornash 3") || text == QLatin1String("Demo"))
        return true;
    return w->objectName().startsWith(QLatin1String("Label4_"))
           && QLatin1String(w->window()->metaObject()->className()) == QLatin1String("circles0");
}

// Every text of the window a pupil can read or hear that is not marked, as "control: text".
QStringList unmarkedTexts(QWidget* window)
{
    QStringList found;
    auto check = [&found](const QWidget* w, const QString& what, const QString& text) {
        if (!text.isEmpty() && !marked(text) && !exempt(w, text))
            found << QStringLiteral("%1 %2: \"%3\"").arg(w->objectName(), what, text);
    };
    check(window, QStringLiteral("caption"), window->windowTitle());
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, QStringLiteral("text"), button->text());
        check(w, QStringLiteral("name"), w->accessibleName());
        check(w, QStringLiteral("description"), w->accessibleDescription());
        check(w, QStringLiteral("tooltip"), w->toolTip());
    }
    return found;
}

// (context, source) of every message in a translation template.
QSet<QPair<QString, QString>> templateMessages(const QString& path, QString* error)
{
    QSet<QPair<QString, QString>> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.insert({context, xml.readElementText()});
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

void closeEverything()
{
    jotter::close();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Page*>(w))
            delete w;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestTranslatable : public QObject {
    Q_OBJECT
    MarkingTranslator m_marks;

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        QCoreApplication::installTranslator(&m_marks);
        // Every problem type in turn, and a different shape each time a lesson opens.
        draws::setSeedFactory([] { return draws::fixed({0.05, 0.4, 0.6}); });
        Module1::reset();
    }

    void cleanup() { closeEverything(); }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* page :
             {"Titlefrm", "intro0", "circles0", "folding0", "circles", "folding", "myprogress", "myclass"})
            QTest::newRow(page) << page;
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, page);
        Page* p = navigation::show(page);
        QVERIFY(p);
        QStringList unmarked = unmarkedTexts(p);

        if (auto* lesson = qobject_cast<LessonPage*>(p)) {
            // Each shape's sentence and the words that stand for its animation.
            for (QRadioButton* option : lesson->Option1) {
                option->click();
                unmarked << unmarkedTexts(p);
            }
        }
        if (auto* problems = qobject_cast<ProblemPage*>(p)) {
            for (int i = 0; i < 6; ++i) {
                problems->cmdcheckit->click();
                unmarked << unmarkedTexts(p);
                problems->cmdsoln->click();
                problems->cmdgo->click();
                unmarked << unmarkedTexts(p);
            }
            problems->cmdjotter->click();
            QVERIFY(jotter::instance());
            unmarked << unmarkedTexts(jotter::instance());
        }
        unmarked.removeDuplicates();
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
    }

    // What the program asked to have translated on the walk above is in the template the
    // build makes (test functions run in the order written).
    void templateHoldsEveryText()
    {
        QString error;
        const auto messages = templateMessages(QStringLiteral(VORNASH_TS_TEMPLATE), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto asked = m_marks.programAsked();
        QVERIFY(asked.size() > 50);
        QStringList missing;
        for (const auto& a : asked) {
            if (!messages.contains(a))
                missing << a.first + QStringLiteral(": \"") + a.second + QLatin1Char('"');
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslatable)
#include "tst_translatable.moc"
