#pragma once
// How the program starts, before its first page: the command line read and the display chosen
// before any window system is touched, then the toolkit's application made while its messages
// are watched. The program's main() and the start-up benchmark take the same steps.

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace startup {

struct Prepared {
    std::optional<int> exitStatus; // set: the program has answered or refused, and ends with it
    QString unreachable;           // what to say if nothing answers on the display chosen
    bool record = true;            // false: --no-record, nothing of the pupil's record written
    QString firstPage = QStringLiteral("Titlefrm"); // "myclass" for a teacher's --class
};

// Reads the command line in the pupil's language, answers --help and --version, writes the
// pupil's record out for --export-progress and a teacher's class for --export-class, refuses what it
// does not take (status 1) and a session with no display at all (status 2). Touches no display.
Prepared prepare(int argc, char** argv);

// The toolkit ends the program, with advice to reinstall it, when it cannot open its display.
// While one of these is alive (around the making of the application), the toolkit's messages
// are held back; when it ends on a display that does not answer, the program says so in its
// own words and which display it tried, and ends with status 2. Any other ending, and every
// message of an application made, goes on as the toolkit gave it.
class DisplayWatch {
public:
    explicit DisplayWatch(const QString& unreachable);
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    void pass(const Held& held) const;
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static inline DisplayWatch* s_watch = nullptr;
    QString m_unreachable;
    QList<Held> m_held;
    QtMessageHandler m_previous = nullptr;
};

} // namespace startup
