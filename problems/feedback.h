#pragma once
// What the problem page says beyond its verdict: after a wrong check, the pupil's own slip when
// the typed number gives it away, or else a next step; on "Answer", the worked solution.

#include "answer.h"
#include "problem.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace problems {

// A wrong answer that a known slip gives, computed the way the answer is.
struct Slip {
    const char* id;  // e.g. "c1.nosq": module letter and type, then the slip
    double value;
    bool accuracy;   // pi or the root of 3 rounded too early, or the result rounded wrongly
};

// Every slip of the problem, method slips first, each kind in the order it is named.
std::vector<Slip> slipsOf(const Problem& p);

// How far the next steps have gone for the problem on show: they grow only when a new number
// is checked. A new problem starts from nothing.
struct Escalation {
    int steps = 0;
    double lastValue = 0.0;
};

// What is said after a check, and why.
struct Said {
    enum Kind { Nothing, Text, Method, Accuracy, Pooled, NextStep };
    Kind kind = Nothing;
    QStringList slips; // ids of the slips it names
    QString text;      // empty for an answer judged right
};

// After a check of `typed` on `p`, read with the decimal separators of the language in use; a
// right answer says nothing.
Said afterCheck(const Problem& p, QStringView typed, Escalation& escalation,
                Separator separator = Separator::Point);

// The worked solution: the formula with its reason, the question's numbers put in, and the
// answer as the page shows it, with the decimal point of the language in use.
QString workedSolution(const Problem& p, QChar decimalPoint = QLatin1Char('.'));

// The sentence that names the slip `id` (as Said::slips holds it), in the language in use, with
// the question's numbers as letters: r, n and θ on Circles; a, b, the shorter side S, the longer
// L and the angle θ cut away on Paper Folding. Empty for an id it does not know.
QString slipSentence(QStringView id);

// Every text that afterCheck can say for `p`, each pair of method sentences included.
QStringList everySentence(const Problem& p);

// True when the answer reader takes a comma as the decimal point, so that "19,24" needs no
// sentence of its own.
bool commaIsDecimal(Separator separator = Separator::Point);

// True when the text holds a number that the check takes as right for `answer`, numbers
// written with the separators given.
bool revealsAnswer(QStringView text, double answer, Separator separator = Separator::Point);

} // namespace problems
