#include "pgcluster.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>

#include <csignal>
#include <utility>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString bin = u"/usr/lib/postgresql/15/bin/"_s;
const QString port = u"5432"_s; // the socket's name; the folder is ours alone
const QString superuser = u"vornash_admin"_s;
const bool asRoot = ::geteuid() == 0;
} // namespace

PgCluster::~PgCluster() {
    if (m_running)
        stop(true);
    m_tmp.remove(); // the server's user owns it; root, or that same user, removes it
    if (m_watchdog > 0)
        ::kill(pid_t(m_watchdog), SIGTERM);
}

bool PgCluster::run(const QString& program, const QStringList& args, bool asServer, QString* output,
                    const QByteArray& input) {
    QProcess p;
    p.setWorkingDirectory(m_dir); // the postgres user may not enter the test's own folder
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (asServer && asRoot)
        p.start(u"runuser"_s, QStringList{u"-u"_s, u"postgres"_s, u"--"_s, program} + args);
    else
        p.start(program, args);
    if (p.waitForStarted(10000))
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        m_error = program + u": did not start or finish: "_s + p.errorString();
        return false;
    }
    const QString out = QString::fromLocal8Bit(p.readAll());
    if (output)
        *output = out;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = QFileInfo(program).fileName() + u" failed: "_s + out.trimmed();
        return false;
    }
    return true;
}

bool PgCluster::start() {
    if (m_running)
        return true;
    if (!m_made) {
        const passwd* pw = asRoot ? ::getpwnam("postgres") : nullptr;
        const QByteArray path = QFile::encodeName(m_dir);
        if (!m_tmp.isValid() || (pw && ::chown(path.constData(), pw->pw_uid, pw->pw_gid) != 0)
            || ::chmod(path.constData(), 0700) != 0) {
            m_error = u"cannot make a temporary folder for the server's user"_s;
            return false;
        }
        if (!run(bin + u"initdb"_s,
                 {u"-D"_s, m_data, u"-U"_s, superuser, u"--auth=trust"_s, u"--no-sync"_s,
                  u"--no-instructions"_s, u"-E"_s, u"UTF8"_s, u"--locale=C.UTF-8"_s},
                 true)
            || !run(u"mkdir"_s, {u"-m"_s, u"0700"_s, m_socket}, true))
            return false;
        // Once the test's process is gone, this stops the server and removes the folder.
        const QString stop = (asRoot ? u"runuser -u postgres -- "_s : QString()) + bin
            + u"pg_ctl -D \"$2/data\" stop -m immediate"_s;
        QProcess::startDetached(u"setsid"_s,
                                {u"sh"_s, u"-c"_s,
                                 u"exec </dev/null >/dev/null 2>&1; while kill -0 \"$1\"; do sleep 1; done; cd /; "_s
                                     + stop + u"; rm -rf \"$2\""_s,
                                 u"watchdog"_s, QString::number(QCoreApplication::applicationPid()), m_dir},
                                {}, &m_watchdog);
    }
    if (!run(bin + u"pg_ctl"_s,
             {u"-D"_s, m_data, u"-l"_s, m_dir + u"/server.log"_s, u"-w"_s, u"-t"_s, u"60"_s, u"-o"_s,
              u"-k "_s + m_socket + u" -c listen_addresses='' -c fsync=off -p "_s + port, u"start"_s},
             true))
        return false;
    m_running = true;
    return std::exchange(m_made, true) || writeServiceFile();
}

bool PgCluster::stop(bool immediate) {
    if (m_running
        && run(bin + u"pg_ctl"_s,
               {u"-D"_s, m_data, u"-w"_s, u"-m"_s, immediate ? u"immediate"_s : u"fast"_s, u"stop"_s}, true))
        m_running = false;
    return !m_running;
}

bool PgCluster::writeServiceFile() {
    const QString name = m_dir + u"/pg_service.conf"_s;
    QSaveFile f(name);
    f.open(QIODevice::WriteOnly);
    for (const QString& role : QStringList{u"admin"_s} + m_roles)
        f.write(u"[%1]\nhost=%2\nport=%3\ndbname=postgres\nuser=%4\nsslmode=disable\n\n"_s
                    .arg(role, m_socket, port, role == u"admin"_s ? superuser : role)
                    .toUtf8());
    if (!f.commit()) {
        m_error = u"cannot write "_s + name;
        return false;
    }
    qputenv("PGSERVICEFILE", QFile::encodeName(name));
    return true;
}

bool PgCluster::psql(const QString& sql, const QStringList& vars, QString* output) {
    QStringList args{u"-X"_s, u"-q"_s, u"-A"_s, u"-t"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s, m_socket,
                     u"-p"_s, port, u"-U"_s, superuser, u"-d"_s, u"postgres"_s};
    for (const QString& v : vars)
        args << u"-v"_s << v;
    return run(bin + u"psql"_s, args, false, output, sql.toUtf8());
}

bool PgCluster::applySchema() {
    QFile f(QStringLiteral(VORNASH_CLASSROOM_SQL));
    if (!f.open(QIODevice::ReadOnly)) {
        m_error = u"cannot read "_s + f.fileName();
        return false;
    }
    return psql(QString::fromUtf8(f.readAll()));
}

bool PgCluster::createRole(const QString& name, Kind kind) {
    const QString in = kind == Kind::Pupil ? u" IN ROLE vornash_pupil"_s
        : kind == Kind::Teacher            ? u" IN ROLE vornash_teacher"_s
                                           : QString();
    if (!psql(u"CREATE ROLE :\"name\" LOGIN"_s + in + u';', {u"name="_s + name}))
        return false;
    m_roles << name;
    return writeServiceFile();
}

bool PgCluster::addPupil(const QString& pupil, const QString& teacher) {
    return psql(u"SELECT vornash_add_pupil(:'pupil', :'teacher');"_s, {u"pupil="_s + pupil, u"teacher="_s + teacher});
}

QSqlDatabase PgCluster::connect(const QString& service, const QString& connectionName) {
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, connectionName);
    db.setConnectOptions(u"service="_s + service);
    db.open();
    return db;
}
