#include "problempage.h"

#include "answer.h"
#include "draws.h"
#include "fonts.h"
#include "generators.h"
#include "jotter.h"
#include "language.h"
#include "mediabar.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "player.h"
#include "journal.h"
#include "statestrip.h"
#include "textfit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
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
    // Out of the Tab order, each button has a key of its own: Alt and a letter of its face.
    cmdcheckit = makeButton("cmdcheckit", tr("Check my answer"), Qt::ALT | Qt::Key_C);
    cmdgo = makeButton("cmdgo", tr("Next problem"), Qt::ALT | Qt::Key_N);
    cmdexit = makeButton("cmdexit", tr("Exit"), Qt::ALT | Qt::Key_X);
    cmdsoln = makeButton("cmdsoln", tr("Show the answer"), Qt::ALT | Qt::Key_A);
    cmdjotter = makeButton("cmdjotter", tr("Open the Jotter"), Qt::ALT | Qt::Key_J);

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

    // Above the instruction, where no control stands; four lines of the longest sentence fit.
    lblfeedback = makeLabel("lblfeedback", QString(), 13);
    lblfeedback->setWordWrap(true);
    pageprops::setGeometry(*lblfeedback, 360, 45, 6300, 1245);
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

PictureButton* ProblemPage::makeButton(const char* name, const QString& what, QKeyCombination key)
{
    auto* button = new PictureButton(this);
    button->setObjectName(QLatin1String(name));
    button->describe(what, key);
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
    showFeedback(
        problems::afterCheck(m_problem, Text1->text(), m_escalation, typedSeparator()).text);
}

void ProblemPage::cmdsoln_Click()
{
    Label4->setText(shownNumber(Module1::answer));
    textfit::fit(*Label4);
    Label4->show();
    showFeedback(problems::workedSolution(m_problem, language::decimalPoint()));
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
    jotter::show();
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
