// The two problem pages driven as a pupil drives them: typing, Enter, and button clicks.

#include "draws.h"
#include "feedback.h"
#include "fonts.h"
#include "jotter.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "page.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "pictures.h"
#include "player.h"
#include "generators.h"
#include "problempage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The draw that makes whole number k of `count` equally likely ones.
double pick(int k, int count) { return (k + 0.5) / count; }

void fixDraws(std::vector<double> values)
{
    draws::setSeedFactory([values] { return draws::fixed(values); });
}

// First frames of every sequence a problem can show, each a solid colour of its own.
class FirstFrames {
public:
    FirstFrames()
    {
        const char* files[] = {"circlesm/circle00.jpg", "tris3sm/tris300.jpg",
                               "hexs3sm/hexs300.jpg",   "cylindsm/cylind00.gif",
                               "torusssm/toruss00.jpg", "mobiussm/bstr0000.jpg",
                               "bonen2sm/bonene00.jpg", "circlesm/circle01.jpg"};
        int tag = 1;
        for (const char* f : files) {
            const QString path = m_dir.filePath(QLatin1String(f));
            QDir().mkpath(QFileInfo(path).path());
            QImage image(8, 6, QImage::Format_RGB32);
            image.fill(QColor(tag, 0, 0));
            image.save(path, "PNG");
            ++tag;
        }
        pictures::setSearchRoots({m_dir.path()});
    }
    ~FirstFrames() { pictures::setSearchRoots({}); }

private:
    QTemporaryDir m_dir;
};

QString verdictRight() { return QStringLiteral("Correct, Well Done!"); }
QString verdictWrong() { return QStringLiteral("Wrong, Try Again"); }

// Stands in for the main menu.
class FakeMenu : public Page {
public:
    FakeMenu() { setObjectName(QStringLiteral("intro0")); }
};

struct BarState {
    bool play, pause, back, next;
    bool operator==(const BarState&) const = default;
};

BarState barState(const MediaBar& bar)
{
    return {bar.isButtonEnabled(MediaBar::Play), bar.isButtonEnabled(MediaBar::Pause),
            bar.isButtonEnabled(MediaBar::Back), bar.isButtonEnabled(MediaBar::Next)};
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FirstFrames> m_frames;
    QPointer<ProblemPage> m_page;

    // A page of the given module, built with the draws given.
    ProblemPage* open(bool isCircles, std::vector<double> values)
    {
        fixDraws(std::move(values));
        m_page = isCircles ? static_cast<ProblemPage*>(new circles)
                           : static_cast<ProblemPage*>(new folding);
        return m_page;
    }

    // Shows the page and gives it the keyboard, as when the pupil works in it.
    bool showActive(ProblemPage& page)
    {
        page.show();
        QApplication::setActiveWindow(&page);
        return QTest::qWaitForWindowActive(&page);
    }

    static QString frameFile(const ProblemPage& page) { return page.player().lastFrameFile(); }

private Q_SLOTS:
    void initTestCase() { fonts::registerDesignFonts(); }

    void init()
    {
        Module1::reset();
        m_frames = std::make_unique<FirstFrames>();
    }

    void cleanup()
    {
        delete m_page.data();
        jotter::close();
        draws::setSeedFactory({});
        m_frames.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void design_data();
    void design();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void accessibleNames_data();
    void accessibleNames();
    void firstProblemOnLoad();
    void enterChecksWhatWasTyped_data();
    void enterChecksWhatWasTyped();
    void checksAndAnswersReplaceEachOther();
    void resultHiddenUntilUsed_data();
    void resultHiddenUntilUsed();
    void nextMakesAFreshProblem();
    void answerBoxTakesTheFocusFirst();
    void typingGoesOnAfterAClick_data();
    void typingGoesOnAfterAClick();
    void leavingClosesTheJotter();
    void typeNotRepeatedAcrossModules_data();
    void typeNotRepeatedAcrossModules();
    void missingPicturesDoNotStopThePage();
    void feedbackInFreeSpace_data();
    void feedbackInFreeSpace();
    void feedbackGrowsAndClears();
};

// What tells the two pages apart.
void PagesTest::design_data()
{
    QTest::addColumn<bool>("isCircles");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("questionSize");
    QTest::newRow("circles") << true << "Circles" << 24.0;
    QTest::newRow("folding") << false << "Paper Folding" << 20.25;
}

void PagesTest::design()
{
    QFETCH(bool, isCircles);
    QFETCH(QString, caption);
    QFETCH(double, questionSize);
    ProblemPage* page = open(isCircles, {0.0, 0.0, 0.0, 0.0});
    QCOMPARE(page->windowTitle(), caption);
    QCOMPARE(page->Label1->font().pointSizeF(), questionSize);
    QCOMPARE(page->Label1->font().family(), QStringLiteral("Tahoma"));
    QVERIFY(page->Label1->wordWrap());
    // A short question starts on the top line, not in the middle of its box.
    QCOMPARE(page->Label1->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(page->Label2->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(page->Label4->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(page->Label4->font().pointSizeF(), 36.0);
    QCOMPARE(page->Text1->font().pointSizeF(), 24.0);
    QCOMPARE(page->Label2->text(), QStringLiteral("Your answer should be correct to two decimal "
                                                  "places. Approximate pi as 3.14159."));
    QCOMPARE(page->Label2->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(page->Label4->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(!page->Label3->isEnabled());
    QCOMPARE(pageprops::backColor(*page), QColor(40, 66, 156));
}

// Every control at its designed place once the page is prepared (values in twips).
void PagesTest::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Text1") << "Text1" << QRect(7920, 4800, 1695, 735);
    QTest::newRow("Label1") << "Label1" << QRect(360, 4680, 7215, 2895);
    QTest::newRow("Label2") << "Label2" << QRect(360, 1320, 5895, 2895);
    QTest::newRow("Label3") << "Label3" << QRect(9360, 3960, 1455, 330);
    QTest::newRow("Label4") << "Label4" << QRect(2760, 7560, 6495, 1095);
    QTest::newRow("Image2") << "Image2" << QRect(6840, 240, 4860, 3660);
    QTest::newRow("MMControl1") << "MMControl1" << QRect(7680, 3960, 1590, 330);
    QTest::newRow("cmdcheckit") << "cmdcheckit" << QRect(10050, 6465, 1785, 495);
    QTest::newRow("cmdsoln") << "cmdsoln" << QRect(10050, 6960, 1785, 495);
    QTest::newRow("cmdjotter") << "cmdjotter" << QRect(10050, 7455, 1785, 495);
    QTest::newRow("cmdgo") << "cmdgo" << QRect(10050, 7950, 1785, 495);
    QTest::newRow("cmdexit") << "cmdexit" << QRect(90, 7950, 1785, 495);
    QTest::newRow("lblfeedback") << "lblfeedback" << QRect(360, 45, 6300, 1245);
}

void PagesTest::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    ProblemPage* page = open(true, {0.0, 0.0, 0.0});
    const QWidget* w = page->findChild<QWidget*>(name);
    QVERIFY(w);
    // One pixel is 15 twips; a twips value is placed on the nearest pixel.
    const QRect got(pageprops::left(*w), pageprops::top(*w), pageprops::width(*w),
                    pageprops::height(*w));
    QVERIFY2(qAbs(got.x() - place.x()) <= 7 && qAbs(got.y() - place.y()) <= 7
                 && qAbs(got.width() - place.width()) <= 15
                 && qAbs(got.height() - place.height()) <= 15,
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
}

// Picture buttons say what they do; labels speak their own visible text.
void PagesTest::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    // The tooltip, also the accessible description, gives a button's key.
    QTest::addColumn<QString>("tip");
    QTest::newRow("cmdexit") << "cmdexit" << "Exit" << "Exit (Alt+X)";
    QTest::newRow("cmdgo") << "cmdgo" << "Next problem" << "Next problem (Alt+N)";
    QTest::newRow("cmdsoln") << "cmdsoln" << "Show the answer" << "Show the answer (Alt+A)";
    QTest::newRow("cmdcheckit") << "cmdcheckit" << "Check my answer" << "Check my answer (Alt+C)";
    QTest::newRow("cmdjotter") << "cmdjotter" << "Open the Jotter" << "Open the Jotter (Alt+J)";
    QTest::newRow("Text1") << "Text1" << "Your answer" << "";
    QTest::newRow("Label1") << "Label1" << "" << "";
    QTest::newRow("Label2") << "Label2" << "" << "";
    QTest::newRow("Label4") << "Label4" << "" << "";
    QTest::newRow("lblfeedback") << "lblfeedback" << "" << "";
}

void PagesTest::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QFETCH(QString, tip);
    ProblemPage* page = open(false, {0.0, 0.0, 0.0, 0.0});
    const QWidget* w = page->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->accessibleName(), spoken);
    QCOMPARE(w->toolTip(), tip);
    if (!tip.isEmpty())
        QCOMPARE(w->accessibleDescription(), tip);
    QVERIFY(!page->Image2->accessibleDescription().isEmpty());
}

// Loading the page makes the first problem of the run, with its first frame running.
void PagesTest::firstProblemOnLoad()
{
    ProblemPage* page = open(true, {0.0, 0.0, 0.0});
    QCOMPARE(page->Label1->text(), QStringLiteral("What is the area of a circle of radius 1?"));
    QCOMPARE(Module1::lastproblem, 1);
    QCOMPARE(Module1::answer, 3.1415926535);
    QCOMPARE(Module1::framecount, 58);
    QCOMPARE(Module1::framenum, 0);
    QCOMPARE(frameFile(*page), QStringLiteral("circlesm\\circle00.jpg"));
    QCOMPARE(page->Image2->picture().pixelColor(0, 0), QColor(1, 0, 0));
    QVERIFY(page->Timer1->isActive());
    QVERIFY(page->Text1->text().isEmpty());
    QVERIFY(page->Label4->isHidden());
}

// Typing and pressing Enter judges exactly what stands in the box; the key still reaches it.
void PagesTest::enterChecksWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");
    // r = 7: the area is 153.9380400215.
    QTest::newRow("two decimals") << "153.94" << verdictRight();
    QTest::newRow("one hundredth off") << "153.93" << verdictWrong();
    QTest::newRow("comma") << "153,94" << verdictWrong();
    QTest::newRow("empty") << "" << verdictWrong();
    QTest::newRow("beyond a double") << "1e999" << verdictWrong();
}

void PagesTest::enterChecksWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    ProblemPage* page = open(true, {pick(1, 6), pick(6, 10), 0.0});
    QCOMPARE(Module1::answer, 153.9380400215);
    QSignalSpy returned(page->Text1, &QLineEdit::returnPressed);
    QTest::keyClicks(page->Text1, typed);
    QVERIFY(page->Label4->isHidden()); // typing alone never judges
    QTest::keyClick(page->Text1, Qt::Key_Return);
    QCOMPARE(page->Label4->text(), verdict);
    QVERIFY(page->Label4->isVisibleTo(page));
    QCOMPARE(page->Text1->text(), typed);
    QCOMPARE(returned.count(), 1);
    // The keypad's Enter is Enter too.
    page->Label4->clear();
    QTest::keyClick(page->Text1, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page->Label4->text(), verdict);
}

// A verdict or answer lasts until the next check or answer, which replaces it.
void PagesTest::checksAndAnswersReplaceEachOther()
{
    ProblemPage* page = open(true, {pick(1, 6), pick(6, 10), 0.0});
    QTest::keyClicks(page->Text1, QStringLiteral("153.94"));
    QTest::mouseClick(page->cmdcheckit, Qt::LeftButton);
    QTest::mouseClick(page->cmdcheckit, Qt::LeftButton);
    QCOMPARE(page->Label4->text(), verdictRight());
    QTest::mouseClick(page->cmdsoln, Qt::LeftButton);
    QCOMPARE(page->Label4->text(), QStringLiteral("153.94"));
    QCOMPARE(page->Text1->text(), QStringLiteral("153.94"));
    page->Text1->setText(QStringLiteral("153.93"));
    QTest::keyClick(page->Text1, Qt::Key_Return);
    QTest::keyClick(page->Text1, Qt::Key_Return);
    QCOMPARE(page->Label4->text(), verdictWrong());
}

// The result row appears with the first check or answer, and stays (empty) for new problems.
void PagesTest::resultHiddenUntilUsed_data()
{
    QTest::addColumn<bool>("byCheck");
    QTest::newRow("check") << true;
    QTest::newRow("answer") << false;
}

void PagesTest::resultHiddenUntilUsed()
{
    QFETCH(bool, byCheck);
    ProblemPage* page = open(false, {pick(1, 6), 0.0, pick(1, 4), 0.0});
    QVERIFY(page->Label4->isHidden());
    QTest::mouseClick(page->cmdgo, Qt::LeftButton);
    QVERIFY(page->Label4->isHidden());
    QTest::mouseClick(byCheck ? page->cmdcheckit : page->cmdsoln, Qt::LeftButton);
    QVERIFY(page->Label4->isVisibleTo(page));
    QVERIFY(!page->Label4->text().isEmpty());
    QTest::mouseClick(page->cmdgo, Qt::LeftButton);
    QVERIFY(page->Label4->isVisibleTo(page));
    QVERIFY(page->Label4->text().isEmpty());
}

// Next: empty box and result, a new question from its first frame, the animation running
// again even after a pause, the bar untouched, and the keyboard back in the answer box.
void PagesTest::nextMakesAFreshProblem()
{
    ProblemPage* page = open(true, {pick(1, 6), pick(6, 10), 0.0});
    QVERIFY(showActive(*page));
    QTest::mouseClick(page->MMControl1->button(MediaBar::Pause), Qt::LeftButton);
    QVERIFY(!page->Timer1->isActive());
    QTest::mouseClick(page->MMControl1->button(MediaBar::Next), Qt::LeftButton);
    QCOMPARE(frameFile(*page), QStringLiteral("circlesm\\circle01.jpg"));
    const BarState paused = barState(*page->MMControl1);
    QCOMPARE(paused, (BarState{true, true, true, true}));
    QTest::keyClicks(page->Text1, QStringLiteral("12"));
    QTest::keyClick(page->Text1, Qt::Key_Return);
    const QString oldQuestion = page->Label1->text();

    fixDraws({pick(4, 6), pick(1, 10), 0.0});
    QTest::mouseClick(page->cmdgo, Qt::LeftButton);
    QCOMPARE(page->Text1->text(), QString());
    QCOMPARE(page->Label4->text(), QString());
    QVERIFY(page->Label1->text() != oldQuestion);
    QCOMPARE(page->Label1->text(),
             QStringLiteral("What is the area of a regular hexagon inscribed within a circle of "
                            "radius 2?"));
    QCOMPARE(frameFile(*page), QStringLiteral("hexs3sm\\hexs300.jpg"));
    QCOMPARE(page->Image2->picture().pixelColor(0, 0), QColor(3, 0, 0));
    QCOMPARE(Module1::framenum, 0);
    QVERIFY(page->Timer1->isActive());
    QCOMPARE(barState(*page->MMControl1), paused);
    QCOMPARE(QApplication::focusWidget(), page->Text1);
    QCOMPARE(Module1::answer, 10.392304845413264);
}

// With the buttons out of the tab order, the keyboard starts in the answer box.
void PagesTest::answerBoxTakesTheFocusFirst()
{
    ProblemPage* page = open(false, {0.0, 0.0, 0.0, 0.0});
    QVERIFY(showActive(*page));
    QCOMPARE(QApplication::focusWidget(), page->Text1);
    for (QWidget* b : {static_cast<QWidget*>(page->cmdcheckit), static_cast<QWidget*>(page->cmdgo),
                       static_cast<QWidget*>(page->cmdexit), static_cast<QWidget*>(page->cmdsoln),
                       static_cast<QWidget*>(page->cmdjotter)})
        QVERIFY(!(b->focusPolicy() & Qt::TabFocus));
}

// A click on a button leaves the keyboard in the answer box: the pupil who corrects the
// number after a check types into the box, and Enter judges the corrected number.
void PagesTest::typingGoesOnAfterAClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("check") << "cmdcheckit";
    QTest::newRow("answer") << "cmdsoln";
}

void PagesTest::typingGoesOnAfterAClick()
{
    QFETCH(QString, button);
    ProblemPage* page = open(true, {0.0, 0.0, 0.0}); // the circle of radius 1: 3.14
    QVERIFY(showActive(*page));
    QTest::keyClicks(page->Text1, QStringLiteral("3.41"));
    QTest::mouseClick(page->findChild<QWidget*>(button), Qt::LeftButton);
    QWidget* typing = QApplication::focusWidget();
    QCOMPARE(typing, page->Text1);
    QTest::keyClick(typing, Qt::Key_Backspace);
    QTest::keyClick(typing, Qt::Key_Backspace);
    QTest::keyClicks(typing, QStringLiteral("14"));
    QTest::keyClick(typing, Qt::Key_Return);
    QCOMPARE(page->Text1->text(), QStringLiteral("3.14"));
    QCOMPARE(page->Label4->text(), verdictRight());
}

// Exit goes to the main menu, not the lesson, and takes an open Jotter with it.
void PagesTest::leavingClosesTheJotter()
{
    QPointer<Page> menu;
    navigation::registerPage(QStringLiteral("intro0"), [&menu] {
        menu = new FakeMenu;
        return menu.data();
    });
    ProblemPage* page = open(true, {0.0, 0.0, 0.0});
    QVERIFY(showActive(*page));
    QTest::mouseClick(page->cmdjotter, Qt::LeftButton);
    QVERIFY(jotter::instance());
    QTest::mouseClick(page->cmdexit, Qt::LeftButton);
    QVERIFY(!jotter::instance());
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(page->isUnloading());
    QVERIFY(!page->isVisible());
    QTRY_VERIFY(!m_page);
    delete menu.data();
    navigation::registerPage(QStringLiteral("intro0"), {});
}

// The previous problem's type is shared between the modules: the first Paper Folding problem
// after a Circles problem of type k is never of type k, even when its draw says k.
void PagesTest::typeNotRepeatedAcrossModules_data()
{
    QTest::addColumn<int>("k");
    for (int k = 0; k < 6; ++k)
        QTest::addRow("type %d", k) << k;
}

void PagesTest::typeNotRepeatedAcrossModules()
{
    QFETCH(int, k);
    Module1::lastproblem = (k + 3) % 6;
    ProblemPage* page = open(true, {pick(k, 6), 0.0, 0.0});
    QCOMPARE(Module1::lastproblem, k);
    QTest::mouseClick(page->cmdexit, Qt::LeftButton); // no menu registered: only leaves
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_page);
    ProblemPage* next = open(false, {pick(k, 6), 0.0, pick(1, 4), 0.0});
    QCOMPARE(Module1::lastproblem, (k + 1) % 6);
    QVERIFY(next->Label1->text().startsWith(QLatin1String("If a")));
}

// Without any picture files the page still works: no frame, but questions, checks and answers.
void PagesTest::missingPicturesDoNotStopThePage()
{
    m_frames.reset();
    QTemporaryDir empty;
    pictures::setSearchRoots({empty.path()});
    ProblemPage* page = open(false, {pick(5, 6), pick(2, 4), pick(1, 4), 0.0});
    QVERIFY(page->Image2->picture().isNull());
    QCOMPARE(frameFile(*page), QStringLiteral("bonen2sm\\bonene00.jpg"));
    QVERIFY(page->Timer1->isActive());
    QTest::mouseClick(page->cmdsoln, Qt::LeftButton);
    QCOMPARE(page->Label4->text(), QStringLiteral("23.56"));
    QTest::keyClicks(page->Text1, QStringLiteral("23.56"));
    QTest::keyClick(page->Text1, Qt::Key_Return);
    QCOMPARE(page->Label4->text(), verdictRight());
    QTest::qWait(120); // a few ticks over missing frames
    QTest::mouseClick(page->cmdgo, Qt::LeftButton);
    QVERIFY(page->Label1->text().contains(QLatin1String("radius of the cylinder")));
    pictures::setSearchRoots({});
}

// The feedback stands where no control does, and everything it can say for every question
// fits its box; the question's lines stay clear of it (also run at twice the density).
void PagesTest::feedbackInFreeSpace_data()
{
    QTest::addColumn<bool>("isCircles");
    QTest::newRow("circles") << true;
    QTest::newRow("folding") << false;
}

void PagesTest::feedbackInFreeSpace()
{
    QFETCH(bool, isCircles);
    ProblemPage* page = open(isCircles, {0.0, 0.0, 0.0, 0.0});
    const QLabel* feedback = page->lblfeedback;
    QVERIFY(feedback->font().pointSizeF() >= 12);
    QCOMPARE(feedback->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QVERIFY(feedback->wordWrap());
    QCOMPARE(feedback->focusPolicy(), Qt::NoFocus);
    const QRect place = feedback->geometry();
    for (const QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != feedback)
            QVERIFY2(!place.intersects(w->geometry()), qPrintable(w->objectName()));
    }
    const QFontMetrics fits(feedback->font());
    const QFontMetrics question(page->Label1->font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (int type = 0; type < 6; ++type) {
        for (int x = 1; x <= 10; ++x) {
            for (int y = isCircles ? 4 : 1; y <= (isCircles ? 11 : 5); ++y) {
                if (!isCircles && (x > 4 || x == y))
                    continue;
                const problems::Problem p = isCircles ? problems::circlesProblem(type, x, y)
                                                      : problems::foldingProblem(type, x, y);
                const QRect lines = question.boundingRect(page->Label1->geometry(), flags,
                                                          p.question);
                QVERIFY2(!lines.intersects(place), qPrintable(p.question));
                for (const QString& text : problems::everySentence(p)) {
                    const QRect needs = fits.boundingRect(QRect(QPoint(), place.size()), flags,
                                                          text);
                    QVERIFY2(needs.height() <= place.height(), qPrintable(text));
                }
            }
        }
    }
}

// After wrong checks the next step grows only for a new number; a slip is named; a right
// answer and Next clear the text; Answer shows the worked solution.
void PagesTest::feedbackGrowsAndClears()
{
    ProblemPage* page = open(true, {pick(1, 6), pick(6, 10), 0.0}); // the area, radius 7
    QVERIFY(page->lblfeedback->isHidden());
    auto check = [page](const char* typed) {
        page->Text1->setText(QLatin1String(typed));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        return page->lblfeedback->isVisibleTo(page) ? page->lblfeedback->text() : QString();
    };
    const QString letters = check("12");
    QVERIFY(letters.startsWith(QStringLiteral("The area of a circle is π × r²")));
    QCOMPARE(check("12"), letters);
    QCOMPARE(check("13"), QStringLiteral("Work out π × 7 × 7."));
    QCOMPARE(check("14"), QStringLiteral("Press Answer to see the worked solution."));
    QCOMPARE(check("43.98"), QStringLiteral("That is the circumference, 2 × π × r; the area is "
                                            "π × r²."));
    QCOMPARE(check("153.94"), QString());
    QCOMPARE(page->Label4->text(), verdictRight());
    QTest::mouseClick(page->cmdsoln, Qt::LeftButton);
    QCOMPARE(page->Label4->text(), QStringLiteral("153.94"));
    QCOMPARE(page->lblfeedback->text(), QStringLiteral("The area of a circle is π × r²: π × 7² = "
                                                       "153.94"));
    QVERIFY(page->lblfeedback->isVisibleTo(page));

    fixDraws({pick(1, 6), pick(6, 10), 0.0});
    QTest::mouseClick(page->cmdgo, Qt::LeftButton);
    QVERIFY(page->lblfeedback->isHidden());
    QVERIFY(check("14").startsWith(QStringLiteral("The sector is 1/4 of"))); // a fresh start
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
