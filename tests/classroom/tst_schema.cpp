// The school server's schema on a real server: it applies (twice), and row-level security lets
// each role do what it may and refuses the rest.
#include "pgcluster.h"

#include <QSqlQuery>
#include <QTest>
#include <QUuid>

class TestSchema : public QObject {
    Q_OBJECT
    PgCluster pg;

    // -1 when refused, else the first column of the first row (or the rows changed).
    int exec(const QString& service, const QString& sql, const QVariantList& values = {}) {
        int result = -1;
        {
            QSqlQuery q(pg.connect(service, QStringLiteral("t")));
            q.prepare(sql);
            for (const QVariant& v : values)
                q.addBindValue(v);
            if (q.exec())
                result = q.next() ? q.value(0).toInt() : q.numRowsAffected();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("t"));
        return result;
    }
    static QString insert(const QString& column = QStringLiteral(", pupil"), const QString& value = QStringLiteral(", ?")) {
        return QStringLiteral("INSERT INTO vornash.events (id, time, kind, module, type%1) "
                              "VALUES (?, now(), 'check', 'circles', 0%2)").arg(column, value);
    }
    static QString newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }
    int everything() {
        return exec(QStringLiteral("admin"), QStringLiteral("SELECT (SELECT count(*) FROM vornash.events) * 10 "
                                                            "+ (SELECT count(*) FROM vornash.classes)"));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(pg.start() && pg.applySchema(), qPrintable(pg.error()));
        for (const char* p : {"ann", "bob"})
            QVERIFY2(pg.createRole(QString::fromLatin1(p), PgCluster::Kind::Pupil), qPrintable(pg.error()));
        for (const char* t : {"lee", "kim"})
            QVERIFY2(pg.createRole(QString::fromLatin1(t), PgCluster::Kind::Teacher), qPrintable(pg.error()));
        QVERIFY(pg.createRole(QStringLiteral("zed"), PgCluster::Kind::Neither));
        QVERIFY(pg.addPupil(QStringLiteral("ann"), QStringLiteral("lee")));
        QVERIFY(pg.addPupil(QStringLiteral("bob"), QStringLiteral("kim")));
        QVERIFY(!pg.addPupil(QStringLiteral("lee"), QStringLiteral("kim"))); // a teacher is no pupil
        // Each pupil sends a row; the pupil column defaults to the sender.
        QCOMPARE(exec(QStringLiteral("ann"), insert(), {newId(), QStringLiteral("ann")}), 1);
        QCOMPARE(exec(QStringLiteral("bob"), insert(QString(), QString()), {newId()}), 1);
        QVERIFY2(pg.applySchema(), qPrintable(pg.error())); // applied again, it keeps what is there
        QCOMPARE(everything(), 22);
    }

    void access_data() {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<int>("expected"); // -1: refused
        const QString count = QStringLiteral("SELECT count(*) FROM vornash.events WHERE pupil = ?");
        const QString classes = QStringLiteral("SELECT count(*) FROM vornash.classes");
        const QString join = QStringLiteral("INSERT INTO vornash.classes VALUES (?, ?)");
        const QString add = QStringLiteral("SELECT vornash_add_pupil(?, ?)");
        const QString update = QStringLiteral("UPDATE vornash.events SET typed = 'x' WHERE pupil = ?");
        const QString del = QStringLiteral("DELETE FROM vornash.events WHERE pupil = ?");
        const QString ann = QStringLiteral("ann"), bob = QStringLiteral("bob"), lee = QStringLiteral("lee"),
                      kim = QStringLiteral("kim"), zed = QStringLiteral("zed");
        QTest::newRow("pupil reads own") << ann << count << QVariantList{ann} << 1;
        QTest::newRow("pupil reads another's") << ann << count << QVariantList{bob} << 0;
        QTest::newRow("pupil inserts naming another") << ann << insert() << QVariantList{newId(), bob} << -1;
        QTest::newRow("pupil sets the arrival time")
            << ann << insert(QStringLiteral(", received"), QStringLiteral(", now()")) << QVariantList{newId()} << -1;
        QTest::newRow("pupil updates own") << ann << update << QVariantList{ann} << -1;
        QTest::newRow("pupil deletes own") << ann << del << QVariantList{ann} << -1;
        QTest::newRow("pupil reads the classes") << ann << classes << QVariantList{} << -1;
        QTest::newRow("pupil joins a class") << ann << join << QVariantList{kim, ann} << -1;
        QTest::newRow("pupil calls vornash_add_pupil") << ann << add << QVariantList{ann, kim} << -1;
        QTest::newRow("teacher reads its pupil") << lee << count << QVariantList{ann} << 1;
        QTest::newRow("teacher reads a pupil of another class") << lee << count << QVariantList{bob} << 0;
        QTest::newRow("teacher reads its classes") << lee << classes << QVariantList{} << 1;
        QTest::newRow("teacher inserts") << lee << insert() << QVariantList{newId(), ann} << -1;
        QTest::newRow("teacher updates") << lee << update << QVariantList{ann} << -1;
        QTest::newRow("teacher deletes") << lee << del << QVariantList{ann} << -1;
        QTest::newRow("teacher takes a pupil") << lee << join << QVariantList{lee, bob} << -1;
        QTest::newRow("teacher calls vornash_add_pupil") << lee << add << QVariantList{bob, lee} << -1;
        QTest::newRow("other role reads") << zed << count << QVariantList{ann} << -1;
        QTest::newRow("other role inserts") << zed << insert() << QVariantList{newId(), zed} << -1;
    }
    void access() {
        QFETCH(QString, role);
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(int, expected);
        QCOMPARE(exec(role, sql, values), expected);
    }

    // Nothing a refused statement tried is there.
    void cleanupTestCase() { QCOMPARE(everything(), 22); }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
