#pragma once
// The writer of the record: events posted on the UI thread are written by a thread of its own,
// so the UI never waits on the disk. A check is committed within 100 ms of being posted; events
// that cannot be written (a full disk) wait in memory and are tried again.

#include "record.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <optional>

class QThread;

namespace record {

class Journal : public QObject {
    Q_OBJECT
public:
    // Opens the record at `path` on the writer's thread. Nothing is read from it before the
    // first post or the first call of load(): start-up never waits on it.
    explicit Journal(const QString& path, QObject* parent = nullptr);
    // Writes what is pending, then ends the thread.
    ~Journal() override;

    QString path() const;

    // Hands an event to the writer; returns at once. Updates the states below first, so that the
    // page reads the new state right after posting.
    void post(const Event& event);

    // Starts reading what the states need, on the writer's thread (done on the first post too).
    void load();

    // The states of a module's six types as known now (Not started until loaded).
    std::array<State, 6> states(Module m) const;
    // Whether the record has been read (states() then holds it).
    bool loaded() const;

    // After posting a check: the state its type has just reached, when that is Mastered or
    // Needs help and has not been told in this run; taken once. Nothing before the record is read.
    std::optional<State> takeNews(Module m, int type);

    // Deletes the whole record, what is waiting included, on the writer's thread; forgotten()
    // tells how it went.
    void forget();

    // Events posted and not yet committed (a full disk keeps them here).
    int waiting() const;

    // Blocks until everything posted so far has been committed or has failed (tests, the end).
    void flush();

    // Why nothing is being recorded, in one translated sentence naming the place; empty while
    // the record is written. Also "written by a newer version" for a read-only record.
    QString problem() const;
    // The damaged file moved aside when the record was opened, as a translated sentence naming
    // it; empty otherwise.
    QString movedAside() const;

Q_SIGNALS:
    void statesChanged(record::Module m);
    void committed(int events);
    void failed(const QString& why);
    void forgotten(bool ok);

private:
    struct Impl;
    Impl* d;
};

// The program's journal, or nullptr when the record is off (--no-record, the system setting
// [record] enabled=false) or no journal was made (tests of pages).
Journal* journal();
void setJournal(Journal* j);

} // namespace record
