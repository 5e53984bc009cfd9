#pragma once
// The problem page that both modules share: a question with its animation, a box for the
// pupil's answer, and buttons to check it, show the answer, open the Jotter, make the next
// problem and leave. The two pages differ only in caption, question size and generator.

#include "feedback.h"
#include "page.h"
#include "problem.h"

class PictureBox;
class MediaBar;
class PictureButton;
class Player;
class QLabel;
class QLineEdit;
class QTimer;
class StateStrip;

class ProblemPage : public Page {
    Q_OBJECT
public:
    // The module's question generator: from the draws and the previous type to a problem.
    using Generator = problems::Problem (*)(const problems::Draw& draw, int lastproblem);
    // Opened from a lesson page, or from the progress page to practise weak spots: there the
    // types are drawn by the pupil's need, and the window's title says so.
    enum class Mode { Lesson, Practice };
    Mode mode() const { return m_mode; }

    // Handlers, named after their controls and events.
    void Form_Load();
    void cmdgo_Click();
    void cmdcheckit_Click();
    void cmdsoln_Click();
    void cmdjotter_Click();
    void cmdexit_Click();

    // Makes the next problem and puts it on the page.
    void calculate();

    Player& player() const { return *m_player; }

    // Controls, in their tab order.
    PictureButton* cmdcheckit = nullptr;
    PictureButton* cmdgo = nullptr;
    PictureButton* cmdexit = nullptr;
    PictureButton* cmdsoln = nullptr;
    PictureButton* cmdjotter = nullptr;
    QLabel* Label1 = nullptr;   // the question
    QLineEdit* Text1 = nullptr; // the pupil's answer
    QLabel* Label4 = nullptr;   // the verdict or the shown answer
    MediaBar* MMControl1 = nullptr;
    QLabel* Label3 = nullptr;   // "Full Screen", never enabled
    QLabel* Label2 = nullptr;   // the instruction
    PictureBox* Image2 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* lblfeedback = nullptr; // the pupil's slip, the next step or the worked solution
    StateStrip* strip = nullptr;   // the states of the module's six types, from the record

    // The types of the practice problems given so far, newest last.
    const QList<int>& practised() const { return m_practised; }

protected:
    // Builds the page and runs its load handler, which makes the first problem.
    ProblemPage(const QString& caption, double questionPointSize, Generator generate,
                problems::Module module, Mode mode);

private:
    PictureButton* makeButton(const char* name, const QString& what, QKeyCombination key);
    QLabel* makeLabel(const char* name, const QString& text, double pointSize);
    void showFeedback(const QString& text);
    problems::Problem practiceProblem(const problems::Draw& draw);
    void showStates();

    Generator m_generate = nullptr;
    problems::Module m_module = problems::Module::Circles;
    Mode m_mode = Mode::Lesson;
    QList<int> m_practised;
    Player* m_player = nullptr;
    problems::Problem m_problem;       // the problem on show, with its numbers
    problems::Escalation m_escalation; // how far its next steps have gone
};

// The Circles problem page.
class circles : public ProblemPage {
    Q_OBJECT
public:
    explicit circles(Mode mode = Mode::Lesson);
};

// The Paper Folding problem page.
class folding : public ProblemPage {
    Q_OBJECT
public:
    explicit folding(Mode mode = Mode::Lesson);
};
