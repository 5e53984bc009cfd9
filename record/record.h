#pragma once
// The pupil's record: what happened on the problem pages, kept in one SQLite file of the
// pupil's own, and what it says about each kind of problem. Qt Core and Qt SQL only; the pages
// hand it plain values and read plain values back.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <array>
#include <functional>
#include <optional>

namespace record {

// Which module's problem page. Stored and exported as "circles" / "folding".
enum class Module { Circles = 0, Folding = 1 };
QString moduleName(Module m);                  // "circles", "folding"
std::optional<Module> moduleFromName(const QString& name);
// The name of a type of problem, translated (context "record"): "Circumference"...
QString typeName(Module m, int type);

enum class Kind { Shown = 0, Check = 1, AnswerShown = 2 };
QString kindName(Kind k); // "shown", "check", "answer", as stored and sent

// One thing that happened. Every event has its own id from the moment it is made, so that a copy
// sent elsewhere can be told from a second event.
struct Event {
    QUuid id;             // made by makeEvent
    QUuid problem;        // the id of the Shown event of the problem this event belongs to
    QDateTime time;       // UTC
    Kind kind = Kind::Shown;
    Module module = Module::Circles;
    int type = 0;         // 0 to 5
    int r = 0, n = 0, a = 0, b = 0; // the problem's numbers
    QString question;
    // Check only:
    QString typed;
    std::optional<double> value; // the number read from the typed text, none when there is none
    bool right = false;
    bool firstTry = false;       // the first Check on the problem, before Answer was shown on it
    QStringList slips;           // ids of the slips the feedback named
    int step = 0;                // the next step's step, 0 when none was given
    double seconds = 0.0;        // since the problem appeared
    QString language;            // "en", "de", "fr", "es"
};

// An event of the given kind with a fresh id and the time now.
Event makeEvent(Kind kind);

// ---- Mastery --------------------------------------------------------------------------------

enum class State { NotStarted, Practising, Mastered, NeedsHelp, Review };
QString stateName(State s); // "Not started", "Practising", ... through tr() (context "record")

// What the rule needs to know about one type: its first tries, oldest first, and its problems.
struct FirstTry {
    QDateTime time;
    bool right = false;
};
struct TypeHistory {
    QList<FirstTry> firstTries;   // oldest first
    int mostWrongOnOneProblem = 0; // the largest count of wrong checks on any one problem
    int problemsTried = 0;         // problems of the type with at least one check
};

// The rule, the same for the pupil's page and (in SQL) for the class:
// - Not started: no first try.
// - Mastered: at least 3 of the last 5 first tries right (a slip after three right answers does
//   not undo it); Review instead when the last first try is more than 7 days before `now`.
// - Needs help, instead of Practising: more than 3 wrong checks on one problem, or 10 problems
//   of the type tried without mastery.
// - Practising otherwise.
State stateOf(const TypeHistory& h, const QDateTime& now);

// ---- What the progress page shows ----------------------------------------------------------

struct TypeProgress {
    State state = State::NotStarted;
    QList<bool> lastTen;      // the last ten first tries, oldest first
    int firstTries = 0;
    int firstTriesRight = 0;
    QDateTime lastFirstTry;   // invalid when none
};
using ModuleProgress = std::array<TypeProgress, 6>;

struct Day {
    QDate date;               // local date
    int problems = 0;         // problems shown that day
    int firstTriesRight = 0;
};

struct SlipCount {
    QString id;               // a slip id as the feedback names it ("c1.nosq")
    int count = 0;
};

// ---- Practice -------------------------------------------------------------------------------

// The type of the next practice problem, drawn with `draw` (uniform in [0, 1)) among the six,
// weighted by need: Needs help and Not started most, then Practising and Review, Mastered least
// but not never. `recent` holds the types of the practice problems already given, newest last.
// The same type never comes twice in a row, and at least every fourth problem is of a mastered
// type when there is one.
int practiceType(const std::array<State, 6>& states, const QList<int>& recent, double draw);

// ---- Whose and whether -----------------------------------------------------------------------

// The account's full name (the passwd entry's comment field) where there is one, else its login.
QString pupilName();

// Why the program records nothing when it was told not to (--no-record, the system setting),
// one translated sentence; empty when it was not told so.
QString disabledReason();
void setDisabledReason(const QString& why);

} // namespace record
