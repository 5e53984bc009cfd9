#pragma once
// A PostgreSQL cluster of its own for a test: made in a temporary folder with initdb, on a Unix
// socket there and nowhere else, with a libpq service file that PGSERVICEFILE names, so that the
// code under test connects as on a school's desktop ("service=NAME"). Run as root, the server
// runs as the postgres user. All is stopped and removed when the object goes, or by a watchdog
// process when the test dies first.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class PgCluster {
public:
    enum class Kind { Pupil, Teacher, Neither };

    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Makes the cluster and the superuser's service "admin" on the first call, then starts the
    // server; false with error() set when it could not.
    bool start();
    // Fast: sessions end, committed work stays; immediate: as a power cut, recovered at start.
    bool stop(bool immediate = false);
    bool running() const { return m_running; }
    QString error() const { return m_error; }

    // The repository's classroom/classroom.sql by default, as the superuser with psql.
    bool applySchema(const QString& file = {});
    // SQL as the superuser; `vars` are psql variables (name=value), quoted in the SQL with
    // :"name" and :'name', never pasted into it.
    bool psql(const QString& sql, const QStringList& vars = {}, QString* output = nullptr);
    // A login role in vornash_pupil or vornash_teacher (or neither), with a service of its name.
    bool createRole(const QString& name, Kind kind);
    bool addPupil(const QString& pupil, const QString& teacher);
    // A QPSQL connection through `service`, opened (check isOpen()); remove it when done.
    QSqlDatabase connect(const QString& service, const QString& connectionName);

private:
    bool run(const QString& program, const QStringList& args, bool asServer, QString* output = nullptr,
             const QByteArray& input = {});
    bool writeServiceFile();

    struct Impl;
    Impl* d;
    bool m_running = false;
    QString m_error;
};
