// The rules of the record: when a type counts as mastered, and which type practice gives next.
// Each answer sequence goes through a real journal and a real file, and the state is read back
// twice: as the journal keeps it while the pupil works, and from the file as a later run sees it.

#include "journal.h"
#include "store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace record;

Q_DECLARE_METATYPE(record::State)

namespace {

// Letters of states, in type order: N not started, P practising, M mastered, H needs help, R review.
std::array<State, 6> statesFrom(const char* letters)
{
    std::array<State, 6> s{};
    for (int t = 0; t < 6; ++t)
        s[size_t(t)] = State(QByteArrayView("NPMHR").indexOf(letters[t]));
    return s;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mastery_data()
    {
        // One word per problem, its checks in order: R right, W wrong, A the answer shown.
        QTest::addColumn<QString>("problems");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<State>("state");
        QTest::newRow("nothing yet") << "" << 0 << State::NotStarted;
        QTest::newRow("answer shown before any check") << "AR" << 0 << State::NotStarted;
        QTest::newRow("one wrong") << "W" << 0 << State::Practising;
        QTest::newRow("two right") << "R R" << 0 << State::Practising;
        QTest::newRow("three right") << "R R R" << 0 << State::Mastered;
        QTest::newRow("three of the last five") << "W R W R R" << 0 << State::Mastered;
        QTest::newRow("a slip after three right") << "R R R W" << 0 << State::Mastered;
        QTest::newRow("two slips after three right") << "R R R W W" << 0 << State::Mastered;
        QTest::newRow("two of the last five") << "R R R W W W" << 0 << State::Practising;
        QTest::newRow("right only on second tries") << "WR WR WR" << 0 << State::Practising;
        QTest::newRow("right after the answer was shown") << "W AR AR AR" << 0 << State::Practising;
        QTest::newRow("three wrong on one problem") << "WWWR" << 0 << State::Practising;
        QTest::newRow("four wrong on one problem") << "WWWWR" << 0 << State::NeedsHelp;
        QTest::newRow("nine problems") << "W W W W W W W W W" << 0 << State::Practising;
        QTest::newRow("ten problems without mastery") << "W W W W W W W W W W" << 0 << State::NeedsHelp;
        QTest::newRow("mastered after needing help") << "WWWW R R R" << 0 << State::Mastered;
        QTest::newRow("mastered six days ago") << "R R R" << 6 << State::Mastered;
        QTest::newRow("mastered eight days ago") << "R R R" << 8 << State::Review;
        QTest::newRow("needing help a month ago") << "WWWW" << 30 << State::NeedsHelp;
    }
    void mastery()
    {
        QFETCH(QString, problems);
        QFETCH(int, daysAgo);
        QFETCH(State, state);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("progress.sqlite"));
        const QDateTime when = QDateTime::currentDateTimeUtc().addDays(-daysAgo);
        {
            Journal journal(path);
            journal.load();
            journal.flush();
            for (const QString& word : problems.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                Event shown = makeEvent(Kind::Shown);
                shown.problem = shown.id;
                shown.module = Module::Folding;
                shown.type = 4;
                shown.time = when;
                journal.post(shown);
                for (qsizetype k = 0; k < word.size(); ++k) {
                    Event e = shown;
                    e.id = QUuid::createUuid();
                    e.kind = word[k] == QLatin1Char('A') ? Kind::AnswerShown : Kind::Check;
                    e.right = word[k] == QLatin1Char('R');
                    e.firstTry = k == 0 && e.kind == Kind::Check;
                    journal.post(e);
                }
            }
            QCOMPARE(journal.states(Module::Folding)[4], state);
            QCOMPARE(journal.states(Module::Circles)[4], State::NotStarted);
        }
        Store later(path);
        QCOMPARE(later.progress(Module::Folding, QDateTime::currentDateTimeUtc())[4].state, state);
    }

    void practice_data()
    {
        QTest::addColumn<QByteArray>("states");
        QTest::addColumn<QList<int>>("recent");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("type");
        // Weights 4 (needs help, not started), 2 (practising, review), 1 (mastered).
        QTest::newRow("needs help holds 4 of 9") << QByteArray("HMMMMM") << QList<int>{} << 0.44 << 0;
        QTest::newRow("past it, a mastered type") << QByteArray("HMMMMM") << QList<int>{} << 0.45 << 1;
        QTest::newRow("not started as needy") << QByteArray("MNPPPP") << QList<int>{} << 0.3 << 1;
        QTest::newRow("never twice in a row") << QByteArray("HMMMMM") << QList<int>{0} << 0.0 << 1;
        QTest::newRow("top of the draw") << QByteArray("NNNNNN") << QList<int>{5} << 0.9999 << 4;
        QTest::newRow("fourth is mastered") << QByteArray("NNNNNM") << QList<int>{0, 1, 2} << 0.0 << 5;
        QTest::newRow("review counts as mastered") << QByteArray("RNNNNN") << QList<int>{1, 2, 3} << 0.99 << 0;
        QTest::newRow("a mastered type in the last three") << QByteArray("NNNNNM") << QList<int>{5, 1, 2} << 0.0 << 0;
        QTest::newRow("nothing mastered, no mixing") << QByteArray("NNNNNN") << QList<int>{0, 1, 2} << 0.0 << 0;
    }
    void practice()
    {
        QFETCH(QByteArray, states);
        QFETCH(QList<int>, recent);
        QFETCH(double, draw);
        QFETCH(int, type);
        QCOMPARE(practiceType(statesFrom(states.constData()), recent, draw), type);
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
