#include "jotter.h"

#include "notepad.h"

#include <QPointer>

namespace jotter {
namespace {

QPointer<notepad>& current()
{
    static QPointer<notepad> pad;
    return pad;
}

} // namespace

void show()
{
    QPointer<notepad>& pad = current();
    if (!pad)
        pad = new notepad;
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
