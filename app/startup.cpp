#include "startup.h"

#include "classroom.h"
#include "displays.h"
#include "language.h"
#include "store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace startup {
namespace {

// The texts of the command line, in the pupil's language.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The texts of the toolkit's command-line parser that the program's options can bring out.
// They are translated with the program's own texts, so that a whole answer reads in one language.
[[maybe_unused]] const char* const kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// Every option the program takes, in the order --help lists them. Made once the pupil's
// language is in use, so that their descriptions are translated.
struct Options {
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Show these options and exit.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the program's version and exit.")};

    const QCommandLineOption noRecord{QStringLiteral("no-record"),
                                      CommandLine::tr("Record nothing of the pupil's answers in this run.")};
    const QCommandLineOption exportTo{QStringLiteral("export-progress"),
                                      CommandLine::tr("Write the pupil's checks to FILE as CSV and exit."),
                                      QStringLiteral("FILE")};

    const QCommandLineOption classPage{QStringLiteral("class"), CommandLine::tr("Open a teacher's class page.")};
    const QCommandLineOption exportClass{QStringLiteral("export-class"),
                                         CommandLine::tr("Write a teacher's pupils' checks to FILE as CSV and exit."),
                                         QStringLiteral("FILE")};
    const QCommandLineOption classroom{QStringLiteral("classroom"),
                                       CommandLine::tr("Use the libpq service SERVICE for the class record, for this run."),
                                       QStringLiteral("SERVICE")};

    QList<QCommandLineOption> all() const
    {
        return {help, version, noRecord, exportTo, classPage, exportClass, classroom};
    }
};

// Says `text` on the error stream, after the program's name, and ends the line.
void complain(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("vornash: ") + text + QLatin1Char('\n')), stderr);
}

// The command that gives the program a virtual display.
const char* const kVirtualDisplay = "xvfb-run -a vornash";

// What the program says when no display server answers on the displays it tried.
QString unreachableMessage(const QList<displays::Display>& tried)
{
    QStringList names, variables;
    for (const displays::Display& d : tried) {
        if (d.name.isEmpty())
            continue;
        names << QLatin1Char('"') + d.name + QLatin1Char('"');
        const QString variable = d.platform == QLatin1String("xcb") ? QStringLiteral("DISPLAY")
                                                                      : QStringLiteral("WAYLAND_DISPLAY");
        if (!variables.contains(variable))
            variables << variable;
    }
    return CommandLine::tr("cannot open the display %1: no display server answers there, "
                           "or this user may not use it.")
               .arg(names.join(QStringLiteral(", ")))
           + QLatin1Char('\n')
           + CommandLine::tr("Check the %1 variable, or run it under a virtual display: %2")
                 .arg(variables.join(QStringLiteral(", ")), QLatin1String(kVirtualDisplay));
}

// The exit status of each way the program can end before it shows a page.
enum Status { Answered = 0, Refused = 1, NoDisplay = 2 };

// What the platform plugins say when nothing answers on their display.
bool unanswered(const QString& text)
{
    return text.contains(QLatin1String("could not connect to display"))
           || text.contains(QLatin1String("Failed to create wl_display"));
}

// A teacher's commands ask the class record's server first; anyone else is told in one line.
// Returns the exit status when the program ends here.
std::optional<int> classCommand(bool page, const QString& exportFile)
{
    const QString service = record::classroomService();
    if (service.isEmpty()) {
        complain(CommandLine::tr("no class record is set up on this computer ([classroom] service)."));
        return Refused;
    }
    record::Classroom db(service);
    if (!db.isOpen()) {
        complain(CommandLine::tr("the school's server did not answer: %1").arg(db.error().simplified()));
        return Refused;
    }
    if (db.role() != record::ClassRole::Teacher) {
        complain(CommandLine::tr("the class record is for teachers, and this account is not one."));
        return Refused;
    }
    if (!exportFile.isEmpty() && !db.exportChecks(exportFile)) {
        complain(CommandLine::tr("cannot write %1: %2").arg(exportFile, db.error().simplified()));
        return Refused;
    }
    if (page)
        return std::nullopt;
    return Answered;
}

} // namespace

// Every text the program may say before its window opens is made here, while the pupil's
// language is in use.
Prepared prepare(int argc, char** argv)
{
    // The parser names the program from the application's arguments; nothing is shown yet.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vornash"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNASH_VERSION));
    // The translation lies beside the program, as its pictures do.
    language::use(language::chooseFromEnvironment());

    QCommandLineParser parser;
    // The program's name is a brand, the same in every language.
    parser.setApplicationDescription(
        QStringLiteral("Vornash 3 Demo: ")
        + CommandLine::tr("geometry lessons and problems on circles and paper folding."));
    // "-bogus" is refused as "bogus", not as the letters b, o, g, u, s.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The program takes none of the toolkit's own options, so the help offers none.
    const Options options;
    parser.addOptions(options.all());

    QString refusal;
    if (!parser.parse(QCoreApplication::arguments()))
        refusal = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refusal = CommandLine::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!refusal.isEmpty()) {
        complain(refusal + QLatin1Char('\n') + CommandLine::tr("Try 'vornash --help' for the options it takes."));
        return {Refused, {}};
    }
    if (parser.isSet(options.help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {Answered, {}};
    }
    if (parser.isSet(options.version)) {
        std::printf("vornash %s\n", VORNASH_VERSION);
        return {Answered, {}};
    }
    // The pupil's record written out without any window: one line of reason when it cannot be.
    if (parser.isSet(options.exportTo)) {
        QString why;
        if (record::exportChecks(record::defaultPath(), parser.value(options.exportTo), why))
            return {Answered, {}};
        complain(why);
        return {Refused, {}};
    }
    if (parser.isSet(options.classroom))
        record::setClassroomService(parser.value(options.classroom));
    const bool classPage = parser.isSet(options.classPage);
    if (classPage || parser.isSet(options.exportClass)) {
        if (const std::optional<int> status = classCommand(classPage, parser.value(options.exportClass)))
            return {*status, {}};
    }
    const QList<displays::Display> tried
        = displays::toTry([](const char* name) { return qEnvironmentVariable(name); });
    if (tried.isEmpty()) {
        complain(CommandLine::tr("there is no display to show the program on.") + QLatin1Char('\n')
                 + CommandLine::tr("Run it on a desktop, or under a virtual display: %1")
                       .arg(QLatin1String(kVirtualDisplay)));
        return {NoDisplay, {}};
    }
    return {std::nullopt, unreachableMessage(tried), !parser.isSet(options.noRecord),
            classPage ? QStringLiteral("myclass") : QStringLiteral("Titlefrm")};
}

DisplayWatch::DisplayWatch(const QString& unreachable)
    : m_unreachable(unreachable)
{
    s_watch = this;
    m_previous = qInstallMessageHandler(&DisplayWatch::hold);
}

DisplayWatch::~DisplayWatch()
{
    qInstallMessageHandler(m_previous);
    s_watch = nullptr;
    for (const Held& held : std::as_const(m_held))
        pass(held);
}

void DisplayWatch::pass(const Held& held) const
{
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    if (m_previous)
        m_previous(held.type, context, held.text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(held.type, context, held.text)));
}

void DisplayWatch::hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    DisplayWatch* self = s_watch;
    if (type != QtFatalMsg) {
        self->m_held.append({type, QByteArray(context.category), text});
        return;
    }
    bool unreachable = unanswered(text);
    for (const Held& held : std::as_const(self->m_held))
        unreachable = unreachable || unanswered(held.text);
    if (unreachable) {
        complain(self->m_unreachable);
        std::fflush(stderr);
        std::_Exit(2);
    }
    for (const Held& held : std::as_const(self->m_held))
        self->pass(held);
    self->m_held.clear();
    self->pass({type, QByteArray(context.category), text});
}

} // namespace startup
