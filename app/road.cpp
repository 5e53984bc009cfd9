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
#include "problempage.h"
#include "titlefrm.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>

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
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QString file = pictures::resolve(QStringLiteral("icons\\vornash-%1.png").arg(size));
        if (!file.isEmpty())
            icon.addFile(file, QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // The pupil's language, when its translation is installed beside the pictures.
    language::use(language::chooseFromEnvironment());
    registerAllPages();
    // The program ends only from the title screen's "Exit", never when a page is left.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace road
