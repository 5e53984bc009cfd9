#pragma once
// One connection to the record file, used by the thread that opened it (Qt SQL connections
// belong to one thread). Opening makes the folder (0700) and file (0600) when needed, applies
// the migrations up to this version (PRAGMA user_version), and turns on WAL and a busy timeout.

#include "record.h"

#include <QString>

class QIODevice;

namespace record {

// $XDG_DATA_HOME/vornash/progress.sqlite, by default ~/.local/share/vornash/progress.sqlite.
QString defaultPath();

class Store {
public:
    enum class Status {
        Open,      // read and written
        ReadOnly,  // written by a newer version: read where it can be, never written
        Unusable,  // no usable place: why() says why and where
    };

    enum class Access {
        Write, // makes, migrates and mends the record: the journal's writer
        Read,  // reads what is there, changes nothing (a page on the UI thread)
    };

    // A damaged file is moved aside as "<path>.damaged-<yyyy-MM-dd>" (never deleted) and a new
    // record is started in its place; movedAside() then names it. With Access::Read nothing is
    // made or moved: a missing or damaged record is Unusable, and nothing is written.
    explicit Store(const QString& path, Access access = Access::Write);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Status status() const;
    QString path() const;
    QString why() const;        // one translated sentence when not Open, naming the place
    QString movedAside() const; // the damaged file moved aside by this opening, else empty

    // Writes the events in one transaction; false (nothing written) when it could not, so that
    // the caller keeps them and tries again. Events already present (same id) are skipped.
    bool append(const QList<Event>& events);

    // Reads.
    TypeHistory history(Module m, int type) const;
    ModuleProgress progress(Module m, const QDateTime& now) const;
    QList<Day> lastDays(int days, const QDate& today) const; // oldest first, `days` entries
    QList<SlipCount> topSlips(int count) const;              // most frequent first
    QList<Event> checks() const;                              // every Check, oldest first
    QList<Event> events() const;                              // every event, oldest first

    // For the class record's sender: events not yet marked sent, oldest first, and the mark.
    QList<Event> unsent(int limit) const;
    bool markSent(const QList<QUuid>& ids);
    int unsentChecks() const;

    // Deletes every row and gives the freed pages back to the file system (VACUUM).
    bool forget();

private:
    struct Impl;
    Impl* d;
};

// The checks among `events` as CSV: RFC 4180, UTF-8, CRLF line ends, a header line
//   time,module,type,question,typed,verdict,first_try,slip,answer_shown,seconds
// time in ISO 8601 (UTC), module "circles" or "folding", verdict "right" or "wrong", first_try
// and answer_shown 1 or 0 (answer_shown: Answer was shown on that problem before the check, as
// the AnswerShown events among `events` tell), slip the ids named, separated by spaces.
// With `pupils` (one per event), a first column "pupil" is added, for the class.
bool writeChecksCsv(const QList<Event>& events, QIODevice& out, const QStringList& pupils = {});

} // namespace record
