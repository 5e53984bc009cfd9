#pragma once
// Registers every page of the program with the navigation, so that each page can open the
// next by name. The program and the whole-road tests call it once at start.

namespace road {
void registerAllPages();

// Everything the program does at start before its first page: its name, the fonts, the window
// icon, a translation for the pupil's language, the picture cache, and the page registry.
// Needs the QApplication; the benchmark takes the same path.
void startApplication();

// Makes the program's journal of the pupil's record, unless the record is turned off by
// `--no-record` (`wanted` false) or by the system setting [record] enabled=false; nothing of
// the record is read until a problem page is shown.
void startRecord(bool wanted);
}
