#pragma once
// The sender of the class record: the events of the pupil's record that the school's server has
// not yet got are sent to it, oldest first, in batches, by a thread of its own with its own
// connections (one to the record file, one to the server through a libpq service). An event is
// marked sent in the record only after the server has committed it; an event already on the
// server is skipped there (its id is the key), so a batch sent again after a crash between the
// two arrives once. When the server cannot be reached the sender tries again after 1 s, doubling
// up to 60 s; when the journal commits new events it sends them at once, unless such a wait is
// running. Nothing here blocks the thread that owns the Sender, but for at most 3 s when it is
// destroyed with a batch in flight.

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

namespace record {

class Journal;
class SenderWorker;

class Sender : public QObject {
    Q_OBJECT
public:
    // Sends the record at `recordPath` to the server of the libpq service `service` (an empty
    // service: not configured, nothing is sent). With `journal`, new commits wake the sender.
    Sender(const QString& recordPath, const QString& service, Journal* journal = nullptr,
           QObject* parent = nullptr);
    // Stops sending. What is unsent stays in the record for the next start. Waits a moment for
    // a batch in flight; a network that hangs is not waited for.
    ~Sender() override;

    // Starts the thread and the first round. Does nothing when not configured.
    void start();
    // Asks for a round now (any thread): new events, or a server that may be back.
    void wake();

    QString service() const { return m_service; }
    bool configured() const { return !m_service.isEmpty(); }
    // Known after the first round: every event is on the server.
    bool allSent() const { return m_allSent; }
    // The checks kept on this computer that the server has not got yet.
    int waitingChecks() const { return m_waitingChecks; }
    // Whether the first round has ended (the two above are known).
    bool known() const { return m_known; }
    // Why the last round could not send (translated nowhere: for the log and tests).
    QString lastError() const { return m_lastError; }
    // Events the server refused in this run; they stay unsent and are offered again at the
    // next start, not before.
    int refused() const { return m_refused; }

    // The account connects to the class record as no pupil (a teacher trying the lessons, say):
    // nothing is sent, nor tried again, and the pupil's sentence is empty.
    bool notPupil() const { return m_notPupil; }

    // What the pupil is told, translated: "Sent to the class record", or "Waiting for the
    // school's server: 7 answers kept on this computer"; empty before the first round ends.
    QString stateSentence() const;

    // The wait before the next try after `failures` failed rounds in a row (1, 2, 4, ... 60 s).
    static int retryDelayMs(int failures);
    // Events in one INSERT.
    static constexpr int batchSize = 200;

    // For tests of a crash: called on the sender's thread right after the server committed a
    // batch and before the batch is marked sent.
    static void setAfterCommitHook(void (*hook)(int events));

Q_SIGNALS:
    void statusChanged();
    // After each round that failed: the wait before the next try.
    void retryScheduled(int ms);
    // After each batch committed by the server and marked sent.
    void batchSent(int events);

private:
    void roundEnded(bool allSent, int waitingChecks, int refused, const QString& error);

    QString m_path;
    QString m_service;
    Journal* m_journal = nullptr;
    QThread* m_thread = nullptr;
    SenderWorker* m_worker = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop;
    bool m_known = false;
    bool m_allSent = false;
    bool m_notPupil = false;
    int m_waitingChecks = 0;
    int m_refused = 0;
    QString m_lastError;
    friend class SenderWorker;
};

// The program's sender, or nullptr when no service is set, the record is off, or nothing was
// started (tests of pages).
Sender* sender();
void setSender(Sender* s);

// Starts the program's sender for the program's journal when the class record is set up
// (classroomService()), owned by `owner`; nothing when there is no journal or no service.
// Called once the journal exists.
void startSender(QObject* owner);

} // namespace record
