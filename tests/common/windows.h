#pragma once
// Which windows of the program exist: the pages and the Jotter, counted once the pages left
// behind have been destroyed. Shared by the tests that walk through the program.

#include "jotter.h"
#include "notepad.h"
#include "page.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace windows {

inline QList<QWidget*> openWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Page*>(w) || qobject_cast<jotter::notepad*>(w))
            open << w;
    }
    return open;
}

inline void closeEverything()
{
    jotter::close();
    for (QWidget* w : openWindows())
        delete w;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The one page open, of the expected kind, with the Jotter beside it or not; nullptr otherwise.
template <typename T>
T* only(bool jotterOpen = false)
{
    const QList<QWidget*> open = openWindows();
    T* page = nullptr;
    int pages = 0;
    for (QWidget* w : open) {
        if (qobject_cast<Page*>(w)) {
            ++pages;
            page = qobject_cast<T*>(w);
        }
    }
    const bool jotterThere = jotter::instance() != nullptr;
    if (pages != 1 || jotterThere != jotterOpen || open.size() != 1 + (jotterOpen ? 1 : 0))
        return nullptr;
    return page;
}

} // namespace windows
