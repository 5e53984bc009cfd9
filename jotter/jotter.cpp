#include "jotter.h"

#include "notepad.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace jotter {
namespace {

QPointer<notepad>& current()
{
    static QPointer<notepad> pad;
    return pad;
}

} // namespace

void show(const QWidget* page)
{
    QPointer<notepad>& pad = current();
    if (!pad) {
        pad = new notepad;
        // Over the instruction and the top of the animation: on a centred page of a screen of
        // 1024x768 or more that leaves the feedback, the question, the answer box and the
        // buttons in sight. Without a place of its own the window manager chooses one.
        if (QScreen* screen = page ? page->screen() : QGuiApplication::primaryScreen())
            pad->move(screen->availableGeometry().topLeft());
    }
    // Some window managers let the pupil minimise it anyway; the Jotter button brings it back.
    pad->setWindowState(pad->windowState() & ~Qt::WindowMinimized);
    pad->show();
    pad->raise();
    pad->activateWindow();
}

void close()
{
    QPointer<notepad>& pad = current();
    if (!pad)
        return;
    // Exit is clicked inside the Jotter itself, so it is hidden and forgotten now and the
    // widget is destroyed once that click has been handled; the next show() builds a new one.
    notepad* old = pad.data();
    pad = nullptr;
    old->hide();
    old->deleteLater();
}

notepad* instance()
{
    return current().data();
}

} // namespace jotter
