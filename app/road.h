#pragma once
// Registers every page of the program with the navigation, so that each page can open the
// next by name. The program and the whole-road tests call it once at start.

#include <functional>

namespace road {
void registerAllPages();

// Everything the program does at start before its first page: its name, a translation for the
// pupil's language, the picture cache, and the page registry; the window icon and the design
// fonts follow after the first frame. Needs the QApplication; the benchmark takes the same path.
void startApplication();

// Runs `work` once, just after the first frame of the first window painted has gone to the
// window system (or after two seconds, should no window be painted by then).
void afterFirstFrame(std::function<void()> work);

// Makes the program's journal of the pupil's record, unless the record is turned off by
// `--no-record` (`wanted` false) or by the system setting [record] enabled=false; nothing of
// the record is read until a problem page is shown.
void startRecord(bool wanted);
}
