#include "problempage.h"

#include "answer.h"
#include "draws.h"
#include "fonts.h"
#include "generators.h"
#include "journal.h"
#include "jotter.h"
#include "language.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "player.h"
#include "statestrip.h"
#include "textfit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

namespace {

const QColor kYellow{255, 255, 0};
const QString kTahoma = QStringLiteral("Tahoma");

// Numbers as the language in use writes them, and the typed answer read the same way: where
// the program shows a decimal comma, the pupil may type one.
QString shownNumber(double value)
{
    return problems::formatAnswer(value, language::decimalPoint());
}

problems::Separator typedSeparator()
{
    return language::decimalComma() ? problems::Separator::PointOrComma
                                    : problems::Separator::Point;
}

// Whether the typed text begins with a number, as the answer reader reads it (else it reads 0).
bool hasNumber(const QString& typed)
{
    static const QRegularExpression space(QStringLiteral("\\s"));
    static const QRegularExpression withComma(QStringLiteral("^[+-]?[.,]?\\d"));
    static const QRegularExpression withPoint(QStringLiteral("^[+-]?\\.?\\d"));
    QString text = typed;
    text.remove(space);
    return text.contains(language::decimalComma() ? withComma : withPoint);
}

// The worked solution in two lines: the formula with its reason, then the numbers put in and
// the result. They part at the first colon that ends a clause; a colon with a blank before it
// divides ("12 : (2 · π)"), unless the blank is the no-break one French sets before a colon.
QString inTwoLines(QString solution)
{
    const QLatin1String end(": ");
    for (qsizetype at = solution.indexOf(end); at > 0; at = solution.indexOf(end, at + 1)) {
        if (solution.at(at - 1) != QLatin1Char(' ')) {
            solution[at + 1] = QLatin1Char('\n');
            break;
        }
    }
    return solution;
}

void paintYellow(QWidget& w)
{
    QPalette pal = w.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, kYellow);
    w.setPalette(pal);
}

record::Module recordModule(problems::Module m)
{
    return m == problems::Module::Circles ? record::Module::Circles : record::Module::Folding;
}

} // namespace

ProblemPage::ProblemPage(const QString& caption, double questionPointSize, Generator generate,
                         problems::Module module, Mode mode)
    : m_generate(generate)
    , m_module(module)
    , m_mode(mode)
{
    setWindowTitle(mode == Mode::Practice ? tr("%1: practice").arg(caption) : caption);

    // Created in tab order, so that the focus chain follows it; with the buttons out of the
    // tab order the answer box is the first place the keyboard goes.
    // Out of the Tab order, each button has a key of its own: Alt and the letter underlined on
    // its face, and the English one too where it is free.
    using namespace facewords;
    cmdcheckit = makeButton("cmdcheckit", tr("Check my answer"), Check);
    cmdgo = makeButton("cmdgo", tr("Next problem"), Next);
    cmdexit = makeButton("cmdexit", tr("Exit"), Exit);
    cmdsoln = makeButton("cmdsoln", tr("Show the answer"), Answer);
    cmdjotter = makeButton("cmdjotter", tr("Open the Jotter"), Jotter);
    PictureButton::keepEnglishKeys({cmdcheckit, cmdgo, cmdexit, cmdsoln, cmdjotter});

    Label1 = makeLabel("Label1", QString(), questionPointSize);
    Label1->setWordWrap(true);
    pageprops::setGeometry(*Label1, 360, 4680, 7215, 2895);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Your answer"));
    Text1->setFont(fonts::design(kTahoma, 24));
    pageprops::setGeometry(*Text1, 7920, 4800, 1695, 735);
    // The caret alone is easy to miss while it blinks off; a bright frame shows where typing goes.
    Text1->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; color: black; border: 3px solid rgb(150, 150, 150); }"
        "QLineEdit:focus { border: 3px solid rgb(255, 170, 0); }"));

    Label4 = makeLabel("Label4", QString(), 36);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pageprops::setGeometry(*Label4, 2760, 7560, 6495, 1095);
    Label4->hide();

    m_player = new Player(*this);
    Image2 = m_player->Image2;
    Timer1 = m_player->Timer1;
    MMControl1 = m_player->MMControl1;
    Label3 = m_player->Label3;

    Label2 = makeLabel("Label2",
                       tr("Your answer should be correct to two decimal places. "
                          "Approximate pi as 3.14159."),
                       20.25);
    Label2->setWordWrap(true);
    pageprops::setGeometry(*Label2, 360, 1320, 5895, 2895);

    // Just above the question and level with the answer box, below the instruction's lines
    // (its box is taller than they are in every language) and below where the Jotter opens on
    // screens from 1024x768 up. The longest sentence fits with a line to spare; a shorter one
    // stands at the foot, next to the question it is about.
    lblfeedback = makeLabel("lblfeedback", QString(), 13);
    lblfeedback->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblfeedback->setWordWrap(true);
    pageprops::setGeometry(*lblfeedback, 360, 2700, 6420, 1800);
    lblfeedback->hide();

    // In the top strip above the animation, where no control stands.
    strip = new StateStrip(recordModule(module), this);
    pageprops::setGeometry(*strip, 6840, 15, 4860, 210);
    if (record::Journal* journal = record::journal()) {
        connect(journal, &record::Journal::statesChanged, this, [this](record::Module m) {
            if (m == recordModule(m_module))
                showStates();
        });
        journal->load();
    }
    showStates();

    connect(cmdcheckit, &QPushButton::clicked, this, &ProblemPage::cmdcheckit_Click);
    connect(cmdgo, &QPushButton::clicked, this, &ProblemPage::cmdgo_Click);
    connect(cmdexit, &QPushButton::clicked, this, &ProblemPage::cmdexit_Click);
    connect(cmdsoln, &QPushButton::clicked, this, &ProblemPage::cmdsoln_Click);
    connect(cmdjotter, &QPushButton::clicked, this, &ProblemPage::cmdjotter_Click);
    // Enter in the answer box checks, as the check button does.
    connect(Text1, &QLineEdit::returnPressed, this, &ProblemPage::cmdcheckit_Click);
    // Closing the page's window is the same as its exit button.
    setCloseHandler([this] { cmdexit_Click(); });

    Form_Load();
}

PictureButton* ProblemPage::makeButton(const char* name, const QString& what,
                                       facewords::Face face)
{
    auto* button = new PictureButton(this);
    button->setObjectName(QLatin1String(name));
    button->describe(what, face);
    return button;
}

QLabel* ProblemPage::makeLabel(const char* name, const QString& text, double pointSize)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(fonts::design(kTahoma, pointSize));
    // Text starts at the top of its box, however many lines it takes.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintYellow(*label);
    return label;
}

void ProblemPage::Form_Load()
{
    Module1::PrepareForm(*this);
    Module1::framenum = 0;
    calculate();
}

void ProblemPage::calculate()
{
    Label4->setText(QString());
    showFeedback(QString());
    Text1->clear();
    const problems::Draw draw = draws::seedFromClock();
    const problems::Problem p = m_mode == Mode::Practice
        ? practiceProblem(draw)
        : m_generate(draw, Module1::lastproblem);
    Module1::lastproblem = p.type;
    m_player->StartSequence(p.frames);
    Label1->setText(p.question);
    textfit::fit(*Label1);
    Module1::answer = p.answer;
    m_problem = p;
    m_escalation = {};
    if (record::Journal* journal = record::journal()) {
        const record::Event shown = recordEvent(record::Kind::Shown);
        m_shown = shown.id;
        m_shownFor.start();
        m_triedOrShown = false;
        record::Event first = shown;
        first.problem = shown.id;
        journal->post(first);
    }
}

record::Event ProblemPage::recordEvent(record::Kind kind) const
{
    record::Event e = record::makeEvent(kind);
    e.problem = m_shown;
    e.module = recordModule(m_problem.module);
    e.type = m_problem.type;
    e.r = m_problem.r;
    e.n = m_problem.n;
    e.a = m_problem.a;
    e.b = m_problem.b;
    e.question = m_problem.question;
    e.language = language::current();
    return e;
}

QString ProblemPage::recordCheck(const QString& typed, const problems::Said& said)
{
    record::Journal* journal = record::journal();
    if (!journal)
        return {};
    record::Event check = recordEvent(record::Kind::Check);
    check.typed = typed;
    const double value = problems::readAnswer(typed, typedSeparator());
    if (hasNumber(typed))
        check.value = value;
    check.right = problems::isRight(value, m_problem.answer);
    check.firstTry = !std::exchange(m_triedOrShown, true);
    check.slips = said.slips;
    check.step = said.kind == problems::Said::NextStep ? m_escalation.steps : 0;
    check.seconds = double(m_shownFor.elapsed()) / 1000.0;
    journal->post(check);
    // The journal knows the new states at once; the strip shows them with the verdict.
    showStates();
    const auto news = journal->takeNews(check.module, check.type);
    const QString name = record::typeName(check.module, check.type);
    QStringList told{journal->takeMovedAside()};
    if (news == record::State::Mastered)
        told << tr("You have mastered %1!").arg(name);
    if (news == record::State::NeedsHelp)
        told << tr("Ask your teacher to help you with %1 problems.").arg(name);
    told.removeAll(QString());
    return told.join(QLatin1Char(' '));
}

problems::Problem ProblemPage::practiceProblem(const problems::Draw& draw)
{
    std::array<record::State, 6> states{};
    states.fill(record::State::NotStarted);
    if (record::Journal* journal = record::journal())
        states = journal->states(recordModule(m_module));
    const int type = record::practiceType(states, m_practised, draw());
    m_practised << type;
    // The rule looks back four problems at most.
    while (m_practised.size() > 8)
        m_practised.removeFirst();
    return problems::makeProblemOfType(m_module, type, draw);
}

void ProblemPage::showStates()
{
    record::Journal* journal = record::journal();
    strip->setVisible(journal && journal->problem().isEmpty());
    if (journal)
        strip->setStates(journal->states(recordModule(m_module)));
}

void ProblemPage::cmdgo_Click()
{
    Timer1->stop();
    calculate();
    Text1->setFocus(Qt::OtherFocusReason);
}

void ProblemPage::cmdcheckit_Click()
{
    Label4->setText(problems::verdict(Text1->text(), Module1::answer, typedSeparator()));
    textfit::fit(*Label4);
    Label4->show();
    const problems::Said said = problems::afterCheck(m_problem, Text1->text(), m_escalation,
                                                     typedSeparator());
    const QString news = recordCheck(Text1->text(), said);
    showFeedback(news.isEmpty() || said.text.isEmpty() ? said.text + news
                                                        : said.text + QLatin1Char(' ') + news);
}

void ProblemPage::cmdsoln_Click()
{
    Label4->setText(shownNumber(Module1::answer));
    textfit::fit(*Label4);
    Label4->show();
    showFeedback(inTwoLines(problems::workedSolution(m_problem, language::decimalPoint())));
    if (record::Journal* journal = record::journal()) {
        m_triedOrShown = true;
        journal->post(recordEvent(record::Kind::AnswerShown));
    }
}

void ProblemPage::showFeedback(const QString& text)
{
    lblfeedback->setText(text);
    textfit::fit(*lblfeedback);
    lblfeedback->setVisible(!text.isEmpty());
    // Screen readers hear the new text, as they hear a changed name.
    if (!text.isEmpty()) {
        QAccessibleEvent changed(lblfeedback, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ProblemPage::cmdjotter_Click()
{
    jotter::show(this);
}

void ProblemPage::cmdexit_Click()
{
    jotter::close();
    navigation::show(QStringLiteral("intro0"));
    unload();
}

circles::circles(Mode mode)
    : ProblemPage(tr("Circles"), 24, &problems::makeCirclesProblem, problems::Module::Circles, mode)
{
}

folding::folding(Mode mode)
    : ProblemPage(tr("Paper Folding"), 20.25, &problems::makeFoldingProblem,
                  problems::Module::Folding, mode)
{
}
