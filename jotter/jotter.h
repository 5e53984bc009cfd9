#pragma once
// The Jotter: the pupil's scratch pad. There is one for the whole program; every page that
// opens or closes it goes through these three calls, so they all address the same window.

class QWidget;

namespace jotter {

class notepad;

// Opens the Jotter if it is not open (a fresh one, landscape, empty, yellow pen) and shows it,
// modeless and without an owner, in the top-left corner of the screen of `page` (the page that
// opens it; else the primary screen). If it is open it is only shown and raised again: place,
// drawing, shape and pen stay as they are.
void show(const QWidget* page = nullptr);

// Destroys the Jotter and forgets everything drawn on it. Does nothing when it is not open.
void close();

// The open Jotter, or nullptr.
notepad* instance();

} // namespace jotter
