#pragma once
// The Jotter's pen: what colour and width the next stroke has, and the writing colour it goes
// back to after erasing. No widgets here, so every change of pen can be tested on its own.

#include <QColor>
#include <QString>
#include <qnamespace.h>
#include <array>

namespace jotter {

inline constexpr int swatchCount = 16;
inline constexpr int writingWidth = 3;  // pixels
inline constexpr int erasingWidth = 30; // pixels
// The palette entry a fresh pen, and a pen that stops erasing on Clear, writes in.
inline constexpr int yellowIndex = 14;

// Colour of the drawing surface and of both button bars.
QColor background();

// The sixteen swatch colours, in swatch order.
QColor paletteColour(int index);
// What a pupil hears or reads for a swatch, e.g. "Dark cyan".
QString paletteName(int index);

// Mouse buttons as the Jotter's mouse handlers receive them: 1 left, 2 right, 4 middle, added.
int buttonState(Qt::MouseButtons buttons);
// A moving mouse draws only with the left button held alone.
constexpr bool drawsStroke(int state) { return state == 1; }

class Pen {
public:
    QColor colour() const { return m_colour; }
    int width() const { return m_width; }
    // The writing colour Write returns to.
    QColor remembered() const { return m_remembered; }
    // Erasing is drawing in the background colour with the wide pen.
    bool isErasing() const { return m_colour == background(); }

    void write();
    void erase();
    void pickSwatch(int index);
    void clear();

private:
    QColor m_colour = paletteColour(yellowIndex);
    int m_width = writingWidth;
    QColor m_remembered = paletteColour(yellowIndex);
};

} // namespace jotter
