#pragma once
// Where the program will draw, decided from the environment alone, before the toolkit starts:
// which platforms the toolkit will try, in its order, and the display each of them opens.
// Widget-free, so that every kind of session can be tried in a test.

#include <QList>
#include <QString>

#include <functional>

namespace displays {

struct Display {
    QString platform; // "xcb", "wayland", "offscreen"...
    QString name;     // ":0", "wayland-0"; empty for a platform that needs no display server
    friend bool operator==(const Display&, const Display&) = default;
};

// The displays the toolkit will try, first first, read from QT_QPA_PLATFORM, DISPLAY,
// WAYLAND_DISPLAY and XDG_SESSION_TYPE: the platforms asked for, else Wayland in a Wayland
// session and X where DISPLAY names a display. An X platform without DISPLAY is left out, as
// it has nothing to open. Empty: there is no display to draw on.
QList<Display> toTry(const std::function<QString(const char* name)>& environment);

} // namespace displays
