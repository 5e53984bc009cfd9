#pragma once
// Random draws. Whatever picks at random takes a fresh source seeded from the clock at that
// moment and draws uniform numbers in [0, 1) from it. There is no global generator: the pages
// ask `draws::seedFromClock()` for their source, and tests replace the way sources are made
// so that the draws are fixed.

#include <functional>
#include <vector>

namespace draws {

// A source of uniform numbers in [0, 1).
using Source = std::function<double()>;

// A generator of its own, seeded from the system clock now.
Source clockSeeded();

// The numbers given, in order, then again from the first.
Source fixed(std::vector<double> values);

// What the pages call each time they re-seed. By default `clockSeeded()`.
Source seedFromClock();

// Tests: make every later `seedFromClock()` return what `factory` returns; an empty factory
// restores the clock.
void setSeedFactory(std::function<Source()> factory);

} // namespace draws
