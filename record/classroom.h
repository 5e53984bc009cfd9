#pragma once
// The class record on the school's PostgreSQL server, as a teacher reads it: who is connected
// (a pupil, a teacher, neither), the class table (each pupil's twelve states, worked out by the
// server in one query by the same rule as stateOf), and the class's checks as CSV. Qt Core and
// Qt SQL only. The connection goes through a libpq service (pg_service.conf), which says where
// the server is, who connects and whether TLS is used; no password is ever ours to hold.

#include "record.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QIODevice;
class QThread;

namespace record {

// The libpq service the desktops use: the one given by setClassroomService (the command line's
// --classroom SERVICE) if any, else the system setting [classroom] service=NAME (QSettings,
// system scope: /etc/xdg/vornash/vornash.conf); empty when there is none, and then nothing of the
// class record runs.
QString classroomService();
void setClassroomService(const QString& service);

enum class ClassRole { Neither, Pupil, Teacher };

// One pupil of the teacher's classes.
struct ClassRow {
    QString pupil;                 // the pupil's role name (their login on the desktops)
    std::array<State, 12> states{}; // Circles' six types, then Paper Folding's
    QDateTime lastActive;          // the pupil's latest event, invalid when none
    int helpType = -1;             // the first of the twelve that needs help, -1 when none
    QString helpSlip;              // the pupil's most frequent slip on that type, empty when none
};

// One connection on the calling thread (Qt SQL connections belong to the thread that made them).
class Classroom {
public:
    explicit Classroom(const QString& service);
    ~Classroom();
    Classroom(const Classroom&) = delete;
    Classroom& operator=(const Classroom&) = delete;

    bool isOpen() const;
    QString error() const; // the last failure, in the server's or the driver's words

    // What the connected role is; Neither when it cannot be told.
    ClassRole role();
    // Every pupil of the teacher's classes, those who need help first, then by name; none when
    // the query failed. `now` decides Review (a last first try more than 7 days before it).
    std::optional<QList<ClassRow>> classTable(const QDateTime& now = QDateTime::currentDateTimeUtc());
    // The checks of the teacher's pupils as CSV (writeChecksCsv with a first column "pupil").
    bool exportChecks(QIODevice& out);
    // The same into `file`, replaced whole or not at all; false with error() set when it failed.
    bool exportChecks(const QString& file);

private:
    struct Impl;
    Impl* d;
};

// Reads the class record off the UI thread: a thread of its own with its own connection, opened
// on the first request. Results come back as signals on the owner's thread. Deleting it never
// waits on the network: a request in progress finishes on its own, and its result is dropped.
class ClassFeed : public QObject {
    Q_OBJECT
public:
    explicit ClassFeed(const QString& service, QObject* parent = nullptr);
    ~ClassFeed() override;

    void findRole();
    void refresh();
    void exportTo(const QString& file);
    // The role found by any feed of this run so far, for showing a menu at once.
    static std::optional<ClassRole> knownRole();

Q_SIGNALS:
    void roleFound(record::ClassRole role);
    void tableRead(const QList<record::ClassRow>& rows);
    void failed(const QString& why);
    void exported(const QString& file, const QString& error); // error empty: written

private:
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
};

} // namespace record
