#pragma once
// Registers every page of the program with the navigation, so that each page can open the
// next by name. The program and the whole-road tests call it once at start.

namespace road {
void registerAllPages();
}
