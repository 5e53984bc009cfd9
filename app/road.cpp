#include "road.h"

#include "circles0.h"
#include "classpage.h"
#include "folding0.h"
#include "fonts.h"
#include "intro0.h"
#include "language.h"
#include "myprogress.h"
#include "navigation.h"
#include "pictures.h"
#include "journal.h"
#include "problempage.h"
#include "store.h"
#include "titlefrm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmapCache>
#include <QSettings>

namespace road {

void registerAllPages()
{
    navigation::registerPage(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
    navigation::registerPage(QStringLiteral("intro0"), [] { return new intro0; });
    navigation::registerPage(QStringLiteral("circles0"), [] { return new circles0; });
    navigation::registerPage(QStringLiteral("folding0"), [] { return new folding0; });
    navigation::registerPage(QStringLiteral("circles"), [] { return new circles; });
    navigation::registerPage(QStringLiteral("folding"), [] { return new folding; });
    navigation::registerPage(QStringLiteral("myprogress"), [] { return new myprogress; });
    navigation::registerPage(QStringLiteral("myclass"), [] { return new myclass; });
    navigation::registerPage(QStringLiteral("circles-practice"),
                             [] { return new circles(ProblemPage::Mode::Practice); });
    navigation::registerPage(QStringLiteral("folding-practice"),
                             [] { return new folding(ProblemPage::Mode::Practice); });
}

void startApplication()
{
    QApplication::setApplicationName(QStringLiteral("vornash"));
    fonts::registerDesignFonts();
    // Every page is built afresh and reads its pictures afresh, so cached style pixmaps of pages
    // already left would only pile up over a long lesson; a small cache is plenty.
    QPixmapCache::setCacheLimit(1024);
    // The window carries the sizes that title bars and task bars draw. Every size given here is
    // read and sent to the window system as the first window opens; the large ones reach
    // launchers through the installed icon theme instead.
    // The folder is looked up once: each look-up searches every place pictures may lie.
    QIcon icon;
    const QString smallest = pictures::resolve(QStringLiteral("icons\\vornash-16.png"));
    const QDir folder = QFileInfo(smallest).dir();
    for (int size : {16, 32, 48, 64}) {
        const QString file = folder.filePath(QStringLiteral("vornash-%1.png").arg(size));
        if (!smallest.isEmpty() && QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // The pupil's language, when its translation is installed beside the pictures.
    language::use(language::chooseFromEnvironment());
    registerAllPages();
    // The program ends only from the title screen's "Exit", never when a page is left.
    QApplication::setQuitOnLastWindowClosed(false);
}

void startRecord(bool wanted)
{
    // The system scope: $XDG_CONFIG_DIRS/vornash/vornash.conf, by default in /etc/xdg.
    const QSettings system(QSettings::SystemScope, QStringLiteral("vornash"), QStringLiteral("vornash"));
    if (!wanted)
        record::setDisabledReason(QCoreApplication::translate(
            "record", "Nothing is recorded: the program was started with --no-record."));
    else if (!system.value(QStringLiteral("record/enabled"), true).toBool())
        record::setDisabledReason(QCoreApplication::translate(
            "record", "Nothing is recorded: recording is turned off on this computer (%1).")
                                      .arg(system.fileName()));
    else {
        record::setJournal(new record::Journal(record::defaultPath(), qApp));
        // Written out while the application is whole: once it is being destroyed, its SQL
        // driver may be gone and what is still waiting would be lost.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
            delete record::journal();
        });
    }
}

} // namespace road
