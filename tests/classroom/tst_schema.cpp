// The school server's schema on a real server: it applies (twice), and row-level security lets
// each role do what it may and refuses the rest.
#include "pgcluster.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

class TestSchema : public QObject {
    Q_OBJECT
    PgCluster pg;

    // -1 when the server refuses the statement, else the first column of its first row (or the
    // rows it changed).
    static int exec(const QString& service, const QString& sql, const QVariantList& values) {
        int result = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("t"));
            db.setConnectOptions(QStringLiteral("service=") + service);
            if (db.open()) {
                QSqlQuery q(db);
                q.prepare(sql);
                for (const QVariant& v : values)
                    q.addBindValue(v);
                if (q.exec())
                    result = q.next() ? q.value(0).toInt() : q.numRowsAffected();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("t"));
        return result;
    }
    static QString insert() {
        return QStringLiteral("INSERT INTO vornash.events (id, pupil, time, kind, module, type) "
                              "VALUES (?, ?, now(), 'check', 'circles', 0)");
    }
    static QString newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(pg.start(), qPrintable(pg.error()));
        QVERIFY2(pg.applySchema(), qPrintable(pg.error()));
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
        QCOMPARE(exec(QStringLiteral("bob"),
                      QStringLiteral("INSERT INTO vornash.events (id, time, kind, module, type) "
                                     "VALUES (?, now(), 'shown', 'folding', 5)"),
                      {newId()}),
                 1);
        // Applied again, the schema keeps what is there.
        QVERIFY2(pg.applySchema(), qPrintable(pg.error()));
        QCOMPARE(exec(QStringLiteral("admin"), QStringLiteral("SELECT count(*) FROM vornash.events"), {}), 2);
        QCOMPARE(exec(QStringLiteral("admin"), QStringLiteral("SELECT count(*) FROM vornash.classes"), {}), 2);
    }

    void access_data() {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<int>("expected"); // -1: refused
        const QString count = QStringLiteral("SELECT count(*) FROM vornash.events WHERE pupil = ?");
        const QString ann = QStringLiteral("ann"), bob = QStringLiteral("bob");
        QTest::newRow("pupil reads own") << ann << count << QVariantList{ann} << 1;
        QTest::newRow("pupil reads another's") << ann << count << QVariantList{bob} << 0;
        QTest::newRow("pupil inserts naming another") << ann << insert() << QVariantList{newId(), bob} << -1;
        QTest::newRow("pupil sets the arrival time")
            << ann
            << QStringLiteral("INSERT INTO vornash.events (id, time, kind, module, type, received) "
                              "VALUES (?, now(), 'check', 'circles', 0, now())")
            << QVariantList{newId()} << -1;
        QTest::newRow("pupil updates own")
            << ann << QStringLiteral("UPDATE vornash.events SET right_answer = true WHERE pupil = ?")
            << QVariantList{ann} << -1;
        QTest::newRow("pupil deletes own")
            << ann << QStringLiteral("DELETE FROM vornash.events WHERE pupil = ?") << QVariantList{ann} << -1;
        QTest::newRow("pupil reads the classes")
            << ann << QStringLiteral("SELECT count(*) FROM vornash.classes") << QVariantList{} << -1;
        QTest::newRow("pupil joins a class")
            << ann << QStringLiteral("INSERT INTO vornash.classes VALUES (?, ?)") << QVariantList{QStringLiteral("kim"), ann}
            << -1;
        QTest::newRow("pupil calls vornash_add_pupil")
            << ann << QStringLiteral("SELECT vornash_add_pupil(?, ?)") << QVariantList{ann, QStringLiteral("kim")} << -1;
        QTest::newRow("teacher reads its pupil") << QStringLiteral("lee") << count << QVariantList{ann} << 1;
        QTest::newRow("teacher reads a pupil of another class") << QStringLiteral("lee") << count << QVariantList{bob} << 0;
        QTest::newRow("teacher reads its classes")
            << QStringLiteral("lee") << QStringLiteral("SELECT count(*) FROM vornash.classes") << QVariantList{} << 1;
        QTest::newRow("teacher inserts") << QStringLiteral("lee") << insert() << QVariantList{newId(), ann} << -1;
        QTest::newRow("teacher updates")
            << QStringLiteral("lee") << QStringLiteral("UPDATE vornash.events SET typed = 'x' WHERE pupil = ?")
            << QVariantList{ann} << -1;
        QTest::newRow("teacher deletes")
            << QStringLiteral("lee") << QStringLiteral("DELETE FROM vornash.events WHERE pupil = ?") << QVariantList{ann}
            << -1;
        QTest::newRow("teacher takes a pupil")
            << QStringLiteral("lee") << QStringLiteral("INSERT INTO vornash.classes VALUES (?, ?)")
            << QVariantList{QStringLiteral("lee"), bob} << -1;
        QTest::newRow("teacher calls vornash_add_pupil")
            << QStringLiteral("lee") << QStringLiteral("SELECT vornash_add_pupil(?, ?)")
            << QVariantList{bob, QStringLiteral("lee")} << -1;
        QTest::newRow("other role reads") << QStringLiteral("zed") << count << QVariantList{ann} << -1;
        QTest::newRow("other role inserts") << QStringLiteral("zed") << insert() << QVariantList{newId(), QStringLiteral("zed")}
                                            << -1;
    }
    void access() {
        QFETCH(QString, role);
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(int, expected);
        QCOMPARE(exec(role, sql, values), expected);
    }

    // Nothing a refused statement tried is there.
    void cleanupTestCase() {
        QCOMPARE(exec(QStringLiteral("admin"), QStringLiteral("SELECT count(*) FROM vornash.events"), {}), 2);
        QCOMPARE(exec(QStringLiteral("admin"), QStringLiteral("SELECT count(*) FROM vornash.classes"), {}), 2);
        QVERIFY(pg.stop());
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
