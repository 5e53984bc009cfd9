#include "classroom.h"
#include "navigation.h"
#include "road.h"
#include "sender.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#ifdef VORNASH_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

enum class Start { Run, Answered, Refused };
QString g_firstPage = QStringLiteral("Titlefrm");

// A teacher's commands ask the class record's server first; anyone else is told in one line.
Start classCommand(bool page, const QString& exportFile)
{
    const QString service = record::classroomService();
    if (service.isEmpty()) {
        std::fputs("vornash: no class record is set up on this computer ([classroom] service).\n", stderr);
        return Start::Refused;
    }
    record::Classroom db(service);
    const record::ClassRole role = db.isOpen() ? db.role() : record::ClassRole::Neither;
    if (!db.isOpen() || role != record::ClassRole::Teacher) {
        std::fprintf(stderr, "vornash: %s\n",
                     db.isOpen() ? "the class record is for teachers, and this account is not one."
                                 : qPrintable(QStringLiteral("the school's server did not answer: ") + db.error().simplified()));
        return Start::Refused;
    }
    if (!exportFile.isEmpty() && !db.exportChecks(exportFile)) {
        std::fprintf(stderr, "vornash: cannot write %s: %s\n", qPrintable(exportFile), qPrintable(db.error().simplified()));
        return Start::Refused;
    }
    if (page)
        g_firstPage = QStringLiteral("myclass");
    return page ? Start::Run : Start::Answered;
}

// The command line is read before any window system is touched, so that --help and --version
// answer on a machine without a display.
Start readCommandLine(int argc, char** argv)
{
    // The parser names the program from the application's arguments; nothing is shown yet.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vornash"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNASH_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vornash 3 Demo: geometry lessons and problems on circles and paper folding."));
    // "-bogus" is refused as "bogus", not as the letters b, o, g, u, s.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The program takes none of the toolkit's own options, so the help offers none.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show these options and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    const QCommandLineOption classPage(QStringLiteral("class"), QStringLiteral("Open a teacher's class page."));
    const QCommandLineOption exportClass(QStringLiteral("export-class"),
                                         QStringLiteral("Write a teacher's pupils' checks to FILE as CSV and exit."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption classroom(QStringLiteral("classroom"),
                                       QStringLiteral("Use the libpq service SERVICE for the class record, for this run."),
                                       QStringLiteral("SERVICE"));
    parser.addOptions({help, version, classPage, exportClass, classroom});

    QString refusal;
    if (!parser.parse(QCoreApplication::arguments()))
        refusal = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refusal = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "vornash: %s\nTry 'vornash --help' for the options it takes.\n",
                     qPrintable(refusal));
        return Start::Refused;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Start::Answered;
    }
    if (parser.isSet(version)) {
        std::printf("vornash %s\n", VORNASH_VERSION);
        return Start::Answered;
    }
    if (parser.isSet(classroom))
        record::setClassroomService(parser.value(classroom));
    if (parser.isSet(classPage) || parser.isSet(exportClass))
        return classCommand(parser.isSet(classPage), parser.value(exportClass));
    return Start::Run;
}

// Whether the program will draw on an X display: the platform asked for, or the default on a
// desktop that is not a Wayland session.
bool drawsOnX()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return platform.startsWith("xcb");
}

// The toolkit aborts, with advice to reinstall, when it cannot open its display. Opening the
// display once first lets the program say plainly which display it could not reach.
bool displayUnreachable()
{
#ifdef VORNASH_HAVE_XCB
    if (!drawsOnX())
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed;
#else
    return false;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    switch (readCommandLine(argc, argv)) {
    case Start::Answered: return 0;
    case Start::Refused: return 1;
    case Start::Run: break;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("vornash: there is no display to show the program on.\n"
                   "Run it on a desktop, or under a virtual one: xvfb-run -a vornash\n",
                   stderr);
        return 2;
    }
    if (displayUnreachable()) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
                     "vornash: cannot open the display \"%s\": no display server answers there, "
                     "or this user may not use it.\n"
                     "Check the DISPLAY variable, or run it under a virtual display: "
                     "xvfb-run -a vornash\n",
                     display.constData());
        return 2;
    }
    QApplication app(argc, argv);
    road::startApplication();
    // After the journal: the sender sends what the journal writes.
    record::startSender(qApp);
    navigation::show(g_firstPage);
    return QApplication::exec();
}
