#include "record.h"

#include <QCoreApplication>

#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace record {

namespace {

constexpr const char* kTypeNames[2][6] = {
    {QT_TRANSLATE_NOOP("record", "Circumference"), QT_TRANSLATE_NOOP("record", "Area of a circle"),
     QT_TRANSLATE_NOOP("record", "Sector as a fraction"),
     QT_TRANSLATE_NOOP("record", "Sector by its angle"),
     QT_TRANSLATE_NOOP("record", "Inscribed hexagon"), QT_TRANSLATE_NOOP("record", "Segment")},
    {QT_TRANSLATE_NOOP("record", "Cylinder's radius"), QT_TRANSLATE_NOOP("record", "Cylinder's area"),
     QT_TRANSLATE_NOOP("record", "Torus's area"), QT_TRANSLATE_NOOP("record", "Möbius strip's edge"),
     QT_TRANSLATE_NOOP("record", "Möbius strip's area"), QT_TRANSLATE_NOOP("record", "Cone's area")},
};

constexpr const char* kStateNames[] = {
    QT_TRANSLATE_NOOP("record", "Not started"), QT_TRANSLATE_NOOP("record", "Practising"),
    QT_TRANSLATE_NOOP("record", "Mastered"), QT_TRANSLATE_NOOP("record", "Needs help"),
    QT_TRANSLATE_NOOP("record", "Review"),
};

// How much a type of each state is wanted in practice, in the order of State.
constexpr double kNeed[] = {4.0, 2.0, 1.0, 4.0, 2.0};

QString offReason;

} // namespace

QString moduleName(Module m)
{
    return m == Module::Circles ? QStringLiteral("circles") : QStringLiteral("folding");
}

QString kindName(Kind k)
{
    static const char* const names[] = {"shown", "check", "answer"};
    return QString::fromLatin1(names[int(k)]);
}

std::optional<Module> moduleFromName(const QString& name)
{
    if (name == QLatin1String("circles"))
        return Module::Circles;
    if (name == QLatin1String("folding"))
        return Module::Folding;
    return std::nullopt;
}

QString typeName(Module m, int type)
{
    if (type < 0 || type > 5)
        return {};
    return QCoreApplication::translate("record", kTypeNames[int(m)][type]);
}

Event makeEvent(Kind kind)
{
    Event e;
    e.id = QUuid::createUuid();
    e.time = QDateTime::currentDateTimeUtc();
    e.kind = kind;
    return e;
}

QString stateName(State s)
{
    return QCoreApplication::translate("record", kStateNames[int(s)]);
}

State stateOf(const TypeHistory& h, const QDateTime& now)
{
    if (h.firstTries.isEmpty())
        return State::NotStarted;
    const qsizetype from = std::max<qsizetype>(0, h.firstTries.size() - 5);
    const auto right = std::count_if(h.firstTries.cbegin() + from, h.firstTries.cend(),
                                     [](const FirstTry& t) { return t.right; });
    if (right >= 3)
        return h.firstTries.constLast().time.addDays(7) < now ? State::Review : State::Mastered;
    if (h.mostWrongOnOneProblem > 3 || h.problemsTried >= 10)
        return State::NeedsHelp;
    return State::Practising;
}

int practiceType(const std::array<State, 6>& states, const QList<int>& recent, double draw)
{
    const int last = recent.isEmpty() ? -1 : recent.constLast();
    const auto mastered = [&states](int t) {
        return t >= 0 && t < 6
            && (states[size_t(t)] == State::Mastered || states[size_t(t)] == State::Review);
    };
    bool anyMastered = false;
    for (int t = 0; t < 6; ++t)
        anyMastered = anyMastered || (t != last && mastered(t));
    // Three in a row without a mastered type: the fourth is one.
    bool mustMix = anyMastered && recent.size() >= 3;
    for (qsizetype i = recent.size() - 3; mustMix && i < recent.size(); ++i)
        mustMix = !mastered(recent.at(i));

    std::array<double, 6> weight{};
    double total = 0;
    for (int t = 0; t < 6; ++t) {
        if (t != last && (!mustMix || mastered(t)))
            weight[size_t(t)] = kNeed[int(states[size_t(t)])];
        total += weight[size_t(t)];
    }
    double at = std::clamp(draw, 0.0, 1.0) * total;
    int chosen = -1;
    for (int t = 0; t < 6; ++t) {
        if (weight[size_t(t)] <= 0)
            continue;
        chosen = t;
        if (at < weight[size_t(t)])
            break;
        at -= weight[size_t(t)];
    }
    return chosen;
}

QString pupilName()
{
    if (const passwd* pw = getpwuid(getuid())) {
        const QString gecos = QString::fromLocal8Bit(pw->pw_gecos).section(QLatin1Char(','), 0, 0);
        if (!gecos.trimmed().isEmpty())
            return gecos.trimmed();
        return QString::fromLocal8Bit(pw->pw_name);
    }
    return qEnvironmentVariable("USER");
}

QString disabledReason()
{
    return offReason;
}

void setDisabledReason(const QString& why)
{
    offReason = why;
}

} // namespace record
