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
    pad->show();
    pad->raise();
}

void close()
{
    QPointer<notepad>& pad = current();
    delete pad.data();
    pad = nullptr;
}

notepad* instance()
{
    return current().data();
}

} // namespace jotter
