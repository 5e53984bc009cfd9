#include "pgcluster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString bin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString port = QStringLiteral("5432"); // the socket's name; the folder is ours alone

} // namespace

struct PgCluster::Impl {
    QTemporaryDir tmp{QDir::tempPath() + QStringLiteral("/vornash-pg-XXXXXX")};
    bool made = false;
    bool asRoot = ::geteuid() == 0;
    uid_t serverUid = ::geteuid();
    gid_t serverGid = ::getegid();
    QStringList roles;   // the services written besides "admin"
    qint64 watchdog = 0;
};

PgCluster::PgCluster() : d(new Impl) {
    if (d->asRoot) {
        if (const passwd* pw = ::getpwnam("postgres")) {
            d->serverUid = pw->pw_uid;
            d->serverGid = pw->pw_gid;
        }
    }
}

PgCluster::~PgCluster() {
    cleanUp();
    delete d;
}

QString PgCluster::dir() const { return d->tmp.path(); }
QString PgCluster::socketDir() const { return dir() + QStringLiteral("/sock"); }
QString PgCluster::serviceFile() const { return dir() + QStringLiteral("/pg_service.conf"); }

bool PgCluster::run(const QString& program, const QStringList& args, bool asServer, QString* output,
                    const QByteArray& input) {
    QProcess p;
    p.setWorkingDirectory(dir()); // the postgres user may not enter the test's own folder
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (asServer && d->asRoot)
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                       QStringLiteral("--"), program} + args);
    else
        p.start(program, args);
    if (!p.waitForStarted(10000)) {
        m_error = program + QStringLiteral(": ") + p.errorString();
        return false;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        m_error = program + QStringLiteral(": did not finish");
        return false;
    }
    const QString out = QString::fromLocal8Bit(p.readAll());
    if (output)
        *output = out;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = QFileInfo(program).fileName() + QStringLiteral(" failed: ") + out.trimmed();
        return false;
    }
    return true;
}

bool PgCluster::start() {
    if (m_running)
        return true;
    if (!d->tmp.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + d->tmp.errorString();
        return false;
    }
    const QByteArray path = QFile::encodeName(dir());
    if (!d->made) {
        // The server's user owns the folder; the test (root, or the same user) can still read it.
        if (::chown(path.constData(), d->serverUid, d->serverGid) != 0 || ::chmod(path.constData(), 0700) != 0) {
            m_error = QStringLiteral("cannot hand the temporary folder to the server's user");
            return false;
        }
        if (!run(bin + QStringLiteral("initdb"),
                 {QStringLiteral("-D"), dir() + QStringLiteral("/data"), QStringLiteral("-U"), superuser(),
                  QStringLiteral("--auth=trust"), QStringLiteral("--no-sync"), QStringLiteral("--no-instructions"),
                  QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8")},
                 true))
            return false;
        if (!run(QStringLiteral("mkdir"), {QStringLiteral("-m"), QStringLiteral("0700"), socketDir()}, true))
            return false;
        // Should the test die before its destructor runs, this stops the server and removes the
        // folder once the test's process is gone.
        QProcess w;
        w.setProgram(QStringLiteral("setsid"));
        const QString stopCmd = (d->asRoot ? QStringLiteral("runuser -u postgres -- ") : QString())
            + bin + QStringLiteral("pg_ctl -D \"$2/data\" stop -m immediate");
        w.setArguments({QStringLiteral("sh"), QStringLiteral("-c"),
                        QStringLiteral("while kill -0 \"$1\" 2>/dev/null; do sleep 1; done; cd /; ")
                            + stopCmd + QStringLiteral(" >/dev/null 2>&1; rm -rf \"$2\""),
                        QStringLiteral("watchdog"), QString::number(QCoreApplication::applicationPid()), dir()});
        w.setStandardInputFile(QProcess::nullDevice());
        w.setStandardOutputFile(QProcess::nullDevice());
        w.setStandardErrorFile(QProcess::nullDevice());
        w.startDetached(&d->watchdog);
    }
    const QString options = QStringLiteral("-k ") + socketDir()
        + QStringLiteral(" -c listen_addresses='' -c fsync=off -p ") + port;
    if (!run(bin + QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), dir() + QStringLiteral("/data"), QStringLiteral("-l"),
              dir() + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-t"),
              QStringLiteral("60"), QStringLiteral("-o"), options, QStringLiteral("start")},
             true))
        return false;
    m_running = true;
    if (!d->made) {
        d->made = true;
        if (!writeServiceFile())
            return false;
        QString out;
        if (!run(bin + QStringLiteral("psql"),
                 {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), socketDir(), QStringLiteral("-p"),
                  port, QStringLiteral("-U"), superuser(), QStringLiteral("-d"), QStringLiteral("postgres"),
                  QStringLiteral("-c"), QStringLiteral("CREATE DATABASE classroom")},
                 false, &out))
            return false;
    }
    return true;
}

bool PgCluster::stop(bool immediate) {
    if (!m_running)
        return true;
    const bool ok = run(bin + QStringLiteral("pg_ctl"),
                        {QStringLiteral("-D"), dir() + QStringLiteral("/data"), QStringLiteral("-w"), QStringLiteral("-m"),
                         immediate ? QStringLiteral("immediate") : QStringLiteral("fast"), QStringLiteral("stop")},
                        true);
    if (ok)
        m_running = false;
    return ok;
}

bool PgCluster::writeServiceFile() {
    QSaveFile f(serviceFile());
    if (!f.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write ") + serviceFile();
        return false;
    }
    auto section = [&](const QString& name, const QString& user) {
        f.write(QStringLiteral("[%1]\nhost=%2\nport=%3\ndbname=%4\nuser=%5\nsslmode=disable\n\n")
                    .arg(name, socketDir(), port, database(), user)
                    .toUtf8());
    };
    section(QStringLiteral("admin"), superuser());
    for (const QString& role : std::as_const(d->roles))
        section(role, role);
    if (!f.commit()) {
        m_error = QStringLiteral("cannot write ") + serviceFile();
        return false;
    }
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile()));
    return true;
}

bool PgCluster::psql(const QString& sql, const QStringList& vars, QString* output) {
    QStringList args{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                     QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), socketDir(),
                     QStringLiteral("-p"), port, QStringLiteral("-U"), superuser(), QStringLiteral("-d"), database()};
    for (const QString& v : vars)
        args << QStringLiteral("-v") << v;
    return run(bin + QStringLiteral("psql"), args, false, output, sql.toUtf8());
}

bool PgCluster::applySchema(const QString& file) {
    QFile f(file.isEmpty() ? QStringLiteral(VORNASH_CLASSROOM_SQL) : file);
    if (!f.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read ") + f.fileName();
        return false;
    }
    return psql(QString::fromUtf8(f.readAll()));
}

bool PgCluster::createRole(const QString& name, Kind kind) {
    QString sql = QStringLiteral("CREATE ROLE :\"name\" LOGIN");
    if (kind == Kind::Pupil)
        sql += QStringLiteral(" IN ROLE vornash_pupil");
    else if (kind == Kind::Teacher)
        sql += QStringLiteral(" IN ROLE vornash_teacher");
    if (!psql(sql + QLatin1Char(';'), {QStringLiteral("name=") + name}))
        return false;
    d->roles << name;
    return writeServiceFile();
}

bool PgCluster::addPupil(const QString& pupil, const QString& teacher) {
    return psql(QStringLiteral("SELECT vornash_add_pupil(:'pupil', :'teacher');"),
                {QStringLiteral("pupil=") + pupil, QStringLiteral("teacher=") + teacher});
}

QSqlDatabase PgCluster::connect(const QString& service, const QString& connectionName) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setConnectOptions(QStringLiteral("service=") + service);
    db.open();
    return db;
}

void PgCluster::cleanUp() {
    if (m_running)
        stop(true);
    // The folder belongs to the server's user; root removes it all the same, and the test's own
    // user owns it when not root.
    d->tmp.remove();
    if (d->watchdog > 0) {
        ::kill(static_cast<pid_t>(d->watchdog), SIGTERM);
        d->watchdog = 0;
    }
}
