#pragma once
// A PostgreSQL cluster of a test's own, in a temporary folder, on a Unix socket there alone, with
// a libpq service file that PGSERVICEFILE names: the code under test connects as on a school's
// desktop ("service=NAME"). Removed when the object goes, or by a watchdog if the test dies.

#include <QDir>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>

class PgCluster {
public:
    enum class Kind { Pupil, Teacher, Neither };

    ~PgCluster(); // not copied: the folder is its own

    // Makes the cluster and the superuser's service "admin" on the first call, then starts the
    // server; false with error() set when it could not.
    bool start();
    // Fast: sessions end, committed work stays; immediate: as a power cut, recovered at start.
    bool stop(bool immediate = false);
    QString error() const { return m_error; }

    // The repository's classroom/classroom.sql, as the superuser with psql.
    bool applySchema();
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

    QTemporaryDir m_tmp{QDir::tempPath() + QStringLiteral("/vornash-pg-XXXXXX")};
    QString m_dir = m_tmp.path(), m_data = m_dir + QStringLiteral("/data"), m_socket = m_dir + QStringLiteral("/sock");
    QStringList m_roles; // the services written besides "admin"
    qint64 m_watchdog = 0;
    bool m_made = false, m_running = false;
    QString m_error;
};
