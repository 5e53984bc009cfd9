#include "fonts.h"
#include "navigation.h"
#include "pictures.h"
#include "road.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>
#include <cstdio>

namespace {

// Without a display the window system cannot start; say so plainly instead of the toolkit's
// own diagnostics.
bool displayMissing()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (displayMissing()) {
        std::fputs("vornash: there is no display to show the program on.\n"
                   "Run it on a desktop, or under a virtual one: xvfb-run -a vornash\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vornash"));
    fonts::registerDesignFonts();
    // Every page is built afresh and reads its pictures afresh, so cached style pixmaps of pages
    // already left would only pile up over a long lesson; a small cache is plenty.
    QPixmapCache::setCacheLimit(1024);
    // The window carries the sizes that title bars and task bars draw. Every size given here is
    // read and sent to the window system as the first window opens; the large ones reach
    // launchers through the installed icon theme instead.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QString file = pictures::resolve(QStringLiteral("icons\\vornash-%1.png").arg(size));
        if (!file.isEmpty())
            icon.addFile(file, QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // A translation for the pupil's language, when one is installed beside the pictures.
    QTranslator translator;
    const QString translation = pictures::resolve(
        QStringLiteral("translations\\vornash_%1.qm").arg(QLocale::system().name()));
    if (!translation.isEmpty() && translator.load(translation))
        QCoreApplication::installTranslator(&translator);
    road::registerAllPages();
    // The program ends only from the title screen's "Exit", never when a page is left.
    QApplication::setQuitOnLastWindowClosed(false);
    navigation::show(QStringLiteral("Titlefrm"));
    return QApplication::exec();
}
