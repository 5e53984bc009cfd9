#pragma once
// A PostgreSQL cluster of its own for a test: made in a temporary folder with initdb, listening on
// a Unix socket there and nowhere else, with a libpq service file beside it that PGSERVICEFILE
// names, so that the code under test connects exactly as on a school's desktop
// ("service=NAME"). When the test runs as root the server runs as the postgres user.
// Everything (the server included) is stopped and removed when the object goes, and by a
// watchdog process when the test itself dies first.

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

    // Makes the cluster on the first call, then starts the server; false with error() set when
    // it could not. Also creates the database and the superuser's service "admin".
    bool start();
    // Stops the server (fast: sessions are ended, committed work stays; immediate: as if the
    // machine lost power, the next start recovers from the write-ahead log).
    bool stop(bool immediate = false);
    bool restart() { return stop() && start(); }
    bool running() const { return m_running; }

    QString error() const { return m_error; }
    QString dir() const;          // the temporary folder
    QString socketDir() const;    // where the server's socket is
    QString serviceFile() const;  // the pg_service.conf written there
    QString database() const { return QStringLiteral("classroom"); }
    QString superuser() const { return QStringLiteral("vornash_admin"); }

    // Applies an SQL file as the superuser with psql (stops at the first error); the default is
    // the repository's classroom/classroom.sql.
    bool applySchema(const QString& file = {});
    // Runs SQL as the superuser through psql; `vars` are psql variables (name=value), for
    // quoting names with :"name" and values with :'name' (never pasted into the text).
    bool psql(const QString& sql, const QStringList& vars = {}, QString* output = nullptr);

    // CREATE ROLE name LOGIN IN ROLE vornash_pupil / vornash_teacher (or neither), and a
    // service of the same name that connects as it. The schema must have been applied.
    bool createRole(const QString& name, Kind kind);
    // Puts a pupil in a teacher's class with the schema's function, as the superuser.
    bool addPupil(const QString& pupil, const QString& teacher);

    // A Qt SQL connection (QPSQL) through the service `service`, opened; check isOpen().
    // Remove it with QSqlDatabase::removeDatabase(connectionName) when done.
    QSqlDatabase connect(const QString& service, const QString& connectionName);

private:
    bool run(const QString& program, const QStringList& args, bool asServer, QString* output = nullptr,
             const QByteArray& input = {});
    bool writeServiceFile();
    void cleanUp();

    struct Impl;
    Impl* d;
    bool m_running = false;
    QString m_error;
};
