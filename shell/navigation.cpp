#include "navigation.h"

#include "page.h"

#include <QApplication>
#include <QHash>

namespace navigation {
namespace {

QHash<QString, Factory>& factories()
{
    static QHash<QString, Factory> table;
    return table;
}

std::function<void()>& ender()
{
    static std::function<void()> end;
    return end;
}

} // namespace

void registerPage(const QString& name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

Page* load(const QString& name)
{
    const auto it = factories().constFind(name);
    if (it == factories().constEnd() || !*it)
        return nullptr;
    return (*it)();
}

Page* show(const QString& name)
{
    Page* page = load(name);
    if (page)
        page->show();
    return page;
}

void setEndProgram(std::function<void()> end)
{
    ender() = std::move(end);
}

void endProgram()
{
    if (ender()) {
        ender()();
        return;
    }
    // Every window goes at once; no page is asked first.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

} // namespace navigation
