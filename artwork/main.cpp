// Draws the program's pictures into the folder beside the executable, one group at a time,
// so that the build can run the groups side by side and redraw only the group that changed.
//
//   vornash-artwork --group <name> --out <bin folder> [--sheets <folder>] [--stamp <file>]

#include "output.h"
#include "animations.h"
#include "shellpictures.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using Drawer = std::function<bool(const QString& out, const QString& sheets)>;

Drawer sequenceDrawer(art::Sequence (*make)())
{
    return [make](const QString& out, const QString& sheets) {
        return art::renderSequence(make(), out, sheets);
    };
}

const std::map<QString, Drawer>& groups()
{
    static const std::map<QString, Drawer> all{
        {QStringLiteral("shell"), art::drawShellPictures},
        {QStringLiteral("circle"), sequenceDrawer(art::circleSequence)},
        {QStringLiteral("sector"), sequenceDrawer(art::sectorSequence)},
        {QStringLiteral("triangle"), sequenceDrawer(art::triangleSequence)},
        {QStringLiteral("segment"), sequenceDrawer(art::segmentSequence)},
        {QStringLiteral("cylinder"), sequenceDrawer(art::cylinderSequence)},
        {QStringLiteral("torus"), sequenceDrawer(art::torusSequence)},
        {QStringLiteral("mobius"), sequenceDrawer(art::mobiusSequence)},
        {QStringLiteral("cone"), sequenceDrawer(art::coneSequence)},
    };
    return all;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts need a GUI application, never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no session folder; give Qt a private one instead of a warning.
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption group(QStringLiteral("group"), QStringLiteral("Group to draw."),
                                   QStringLiteral("name"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder beside the program."),
                                 QStringLiteral("folder"));
    const QCommandLineOption sheets(QStringLiteral("sheets"),
                                    QStringLiteral("Folder for contact sheets."),
                                    QStringLiteral("folder"));
    const QCommandLineOption stamp(QStringLiteral("stamp"),
                                   QStringLiteral("File touched when the group is complete."),
                                   QStringLiteral("file"));
    parser.addOptions({group, out, sheets, stamp});
    parser.process(app);

    const auto found = groups().find(parser.value(group));
    if (found == groups().end() || !parser.isSet(out)) {
        std::fprintf(stderr, "vornash-artwork: give --out and one --group of:");
        for (const auto& [name, drawer] : groups())
            std::fprintf(stderr, " %s", qPrintable(name));
        std::fprintf(stderr, "\n");
        return 2;
    }
    if (!found->second(parser.value(out), parser.value(sheets))) {
        std::fprintf(stderr, "vornash-artwork: could not write every picture of %s\n",
                     qPrintable(found->first));
        return 1;
    }
    // The stamp comes last, so an interrupted run is drawn again next time.
    if (parser.isSet(stamp)) {
        QFile file(parser.value(stamp));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        file.write(qPrintable(found->first));
    }
    return 0;
}
