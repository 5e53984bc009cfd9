#pragma once
// The program-wide state shared by every page, and the routine that gives each page its
// common frame. One copy of each variable lives for the whole run.

#include <QString>

#include <QImage>
#include <QString>

class QWidget;

namespace Module1 {

// Frame on show; also the title animation's counter.
inline int framenum = 0;
// The frame sequence now selected: folder\stem, extension with its dot, number of frames.
inline QString smallstem;
inline QString frameext;
inline int framecount = 0;
// Correct answer of the problem most recently made on either problem page, unrounded.
inline double answer = 0.0;
// Type (0 to 5) of the problem most recently made on either problem page.
inline int lastproblem = 0;

// Puts every shared variable back to its value at program start (for tests).
void reset();

// Colours, sizes and centres a page, and gives the standard buttons found by name
// (cmdexit, cmdgo, cmdsoln, cmdcheckit, cmdjotter, cmdscramble) their faces and places.
// A step that fails (missing control, unreadable face) is skipped; the rest still runs.
void PrepareForm(QWidget& page);

// A button face named as the pages name it ("Images\exit.jpg"), with the words of the language
// in use when the artwork has them ("Images\exit_de.jpg"), else the English one; a null image
// when neither can be read. Read for the density given, as pictures::load reads.
QImage buttonFace(const QString& file, qreal devicePixelRatio = 1.0);

} // namespace Module1
