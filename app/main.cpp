#include "navigation.h"
#include "road.h"

#include <QApplication>
#include <cstdio>

namespace {

// Without a display the window system cannot start; say so plainly instead of the toolkit's
// own diagnostics.
bool displayMissing()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (displayMissing()) {
        std::fputs("vornash: there is no display to show the program on.\n"
                   "Run it on a desktop, or under a virtual one: xvfb-run -a vornash\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    road::startApplication();
    navigation::show(QStringLiteral("Titlefrm"));
    return QApplication::exec();
}
