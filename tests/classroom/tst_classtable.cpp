// The teacher's class table, worked out by the server, against states worked out by hand.
// Each row is one pupil's history: problems in order, each "<c|f><type>:<checks>", where a check
// is r (right) or w (wrong), a before a check means Answer was shown first, "-N" after the checks
// puts the problem N days back, and "/slip" names the slip of its wrong checks.
#include "classroom.h"
#include "pgcluster.h"

#include <QSqlQuery>
#include <QTest>

using record::State;

namespace {

const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);

struct Scenario {
    const char* name;
    const char* history;
    const char* states; // N P M H R for each of the twelve, Circles first
    int helpType;
    const char* helpSlip;
};

const Scenario kScenarios[] = {
    {"nothing yet", "", "NNNNNN NNNNNN", -1, ""},
    {"practising", "c0:w c0:r", "PNNNNN NNNNNN", -1, ""},
    {"three right of five", "c1:w c1:w c1:r c1:r c1:r", "NMNNNN NNNNNN", -1, ""},
    {"slips after three right", "c1:r c1:r c1:r c1:w c1:w", "NMNNNN NNNNNN", -1, ""},
    {"three slips undo it", "c1:r c1:r c1:r c1:w c1:w c1:w", "NPNNNN NNNNNN", -1, ""},
    {"old mastery is review", "f0:r-9 f0:r-9 f0:r-8", "NNNNNN RNNNNN", -1, ""},
    {"a recent try keeps mastery", "f0:r-9 f0:r-9 f0:r", "NNNNNN MNNNNN", -1, ""},
    {"three wrong on a problem", "c3:wwwr/c3.a", "NNNPNN NNNNNN", -1, ""},
    {"four wrong on a problem", "c3:wwwwr/c3.a", "NNNHNN NNNNNN", 3, "c3.a"},
    {"nine problems", "f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:w", "NNNNNN NNNNNP", -1, ""},
    {"ten problems", "f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:w", "NNNNNN NNNNNH", 11, ""},
    {"ten problems mastered", "f5:w f5:w f5:w f5:w f5:w f5:w f5:w f5:r f5:r f5:r", "NNNNNN NNNNNM", -1, ""},
    {"answer shown before the check", "c2:ar", "NNNNNN NNNNNN", -1, ""},
    {"the first type needing help, its slip",
     "c4:wwwww/c4.b f1:wwwww/f1.z f1:wwwww/f1.z c4:w/c4.c c4:w/c4.c", "NNNNHN NHNNNN", 4, "c4.b"},
};

QString pupilOf(int i) { return QStringLiteral("p%1").arg(i, 2, 10, QLatin1Char('0')); }

} // namespace

class TestClassTable : public QObject {
    Q_OBJECT
    PgCluster pg;
    QList<record::ClassRow> rows;
    QHash<QString, QDateTime> lastEvent;

    // Writes a pupil's history as the superuser (the sender's own path is tested elsewhere).
    bool insertHistory(const QString& pupil, const QString& history, QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO vornash.events (id, pupil, problem, time, kind, module, type,"
                                 " right_answer, first_try, slips) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        int minute = 0;
        for (const QString& p : history.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString checks = p.section(QLatin1Char(':'), 1).section(QLatin1Char('/'), 0, 0);
            const QString problem = QUuid::createUuid().toString(QUuid::WithoutBraces);
            bool first = true;
            for (QChar c : checks.section(QLatin1Char('-'), 0, 0)) {
                const QDateTime t = kNow.addDays(-checks.section(QLatin1Char('-'), 1).toInt()).addSecs(60 * (++minute - 1000));
                const bool check = c != QLatin1Char('a');
                for (const QVariant& v : QVariantList{QUuid::createUuid().toString(QUuid::WithoutBraces), pupil, problem,
                                                      t.toString(Qt::ISODateWithMs), check ? "check" : "answer",
                                                      p.startsWith(QLatin1Char('c')) ? "circles" : "folding",
                                                      p.mid(1, 1).toInt(), c == QLatin1Char('r'), check && first,
                                                      c == QLatin1Char('w') ? p.section(QLatin1Char('/'), 1) : QString()})
                    q.addBindValue(v);
                if (!q.exec())
                    return false;
                first = false;
                lastEvent[pupil] = t;
            }
        }
        return true;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(pg.start() && pg.applySchema(), qPrintable(pg.error()));
        QVERIFY(pg.createRole(QStringLiteral("teach"), PgCluster::Kind::Teacher));
        QVERIFY(pg.createRole(QStringLiteral("other"), PgCluster::Kind::Teacher));
        QVERIFY(pg.createRole(QStringLiteral("outsider"), PgCluster::Kind::Pupil));
        QVERIFY(pg.addPupil(QStringLiteral("outsider"), QStringLiteral("other")));
        {
            QSqlDatabase db = pg.connect(QStringLiteral("admin"), QStringLiteral("admin"));
            QVERIFY(db.isOpen());
            QVERIFY(insertHistory(QStringLiteral("outsider"), QStringLiteral("c0:wwwww"), db));
            for (int i = 0; i < int(std::size(kScenarios)); ++i) {
                QVERIFY2(pg.createRole(pupilOf(i), PgCluster::Kind::Pupil), qPrintable(pg.error()));
                QVERIFY(pg.addPupil(pupilOf(i), QStringLiteral("teach")));
                QVERIFY(insertHistory(pupilOf(i), QString::fromLatin1(kScenarios[i].history), db));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));

        record::Classroom teacher(QStringLiteral("teach"));
        QVERIFY2(teacher.isOpen(), qPrintable(teacher.error()));
        QCOMPARE(teacher.role(), record::ClassRole::Teacher);
        const auto table = teacher.classTable(kNow);
        QVERIFY2(table, qPrintable(teacher.error()));
        rows = *table;
        QCOMPARE(rows.size(), qsizetype(std::size(kScenarios))); // the other class's pupil is not there
        // Those who need help first, then by name.
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const auto key = [](const record::ClassRow& r) { return std::make_pair(r.helpType < 0, r.pupil); };
            QVERIFY(key(rows.at(i - 1)) < key(rows.at(i)));
        }
    }

    void table_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kScenarios)); ++i)
            QTest::newRow(kScenarios[i].name) << i;
    }
    void table() {
        QFETCH(int, index);
        const Scenario& s = kScenarios[index];
        const auto row = std::find_if(rows.cbegin(), rows.cend(),
                                      [&](const record::ClassRow& r) { return r.pupil == pupilOf(index); });
        QVERIFY(row != rows.cend());
        QString states;
        for (int k = 0; k < 12; ++k)
            states += QStringLiteral("NPMHR").at(int(row->states[size_t(k)])) + QString(k == 5 ? QStringLiteral(" ") : QString());
        QCOMPARE(states, QString::fromLatin1(s.states));
        QCOMPARE(row->helpType, s.helpType);
        QCOMPARE(row->helpSlip, QString::fromLatin1(s.helpSlip));
        QCOMPARE(row->lastActive, lastEvent.value(pupilOf(index)));
    }

    // A pupil and a role that is neither are told apart from a teacher; a service name that
    // carries connection options is not taken.
    void roles() {
        QVERIFY(pg.createRole(QStringLiteral("nobody"), PgCluster::Kind::Neither));
        QCOMPARE(record::Classroom(pupilOf(1)).role(), record::ClassRole::Pupil);
        QCOMPARE(record::Classroom(QStringLiteral("nobody")).role(), record::ClassRole::Neither);
        record::Classroom bad(QStringLiteral("teach host=elsewhere"));
        QVERIFY(!bad.isOpen() && bad.role() == record::ClassRole::Neither);
    }
};

QTEST_GUILESS_MAIN(TestClassTable)
#include "tst_classtable.moc"
