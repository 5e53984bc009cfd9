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
#include <QTimer>

#include <functional>
#include <utility>

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

namespace {

// Runs its work once, soon after the first window's first frame: the work is queued while that
// frame is painted, so it runs once the frame has gone to the window system. Should no window
// be painted in time (one that never shows), the work runs anyway.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(std::function<void()> work, QObject* parent)
        : QObject(parent), m_work(std::move(work))
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(2000, this, &FirstFrameWatch::run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstFrameWatch::run);
        }
        return false;
    }

private:
    void run()
    {
        qApp->removeEventFilter(this);
        if (m_work)
            std::exchange(m_work, nullptr)();
        deleteLater();
    }

    std::function<void()> m_work;
};

// The window carries the sizes that title bars and task bars draw; the large ones reach
// launchers through the installed icon theme instead. Given to the windows already open too.
void setWindowIcon()
{
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
}

} // namespace

void afterFirstFrame(std::function<void()> work)
{
    new FirstFrameWatch(std::move(work), qApp);
}

void startApplication()
{
    QApplication::setApplicationName(QStringLiteral("vornash"));
    // Every page is built afresh and reads its pictures afresh, so cached style pixmaps of pages
    // already left would only pile up over a long lesson; a small cache is plenty.
    QPixmapCache::setCacheLimit(1024);
    // What the first frame does not show waits until it is on screen: the icon, read from four
    // files and sent to the window system, and the faces only later pages use (a page that
    // comes first registers its own as it asks for them).
    afterFirstFrame([] {
        setWindowIcon();
        fonts::registerDesignFonts();
    });
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
