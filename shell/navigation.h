#pragma once
// Moving between pages. Each page registers how it is built; opening a page builds it afresh
// (its load handler runs in its constructor) and shows it as an ordinary window. The page that
// opened it then unloads itself.

#include <QString>
#include <functional>

class Page;

namespace navigation {

using Factory = std::function<Page*()>;

void registerPage(const QString& name, Factory factory);

// Builds the named page without showing it; nullptr when no such page is registered.
Page* load(const QString& name);
// Builds the named page and shows it.
Page* show(const QString& name);

// Ends the program at once, without any page's unload handling. Tests replace it.
void setEndProgram(std::function<void()> end);
void endProgram();

} // namespace navigation
