#pragma once
// Counting the pages that exist, after the pages left behind have been destroyed.

#include "page.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

namespace pagecount {

inline void flushUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QList<Page*> livePages()
{
    flushUnloads();
    QList<Page*> pages;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<Page*>(w))
            pages << p;
    }
    return pages;
}

template <typename T>
T* onlyPage()
{
    const QList<Page*> pages = livePages();
    return pages.size() == 1 ? qobject_cast<T*>(pages.first()) : nullptr;
}

inline void destroyAll()
{
    for (Page* p : livePages())
        delete p;
}

} // namespace pagecount
