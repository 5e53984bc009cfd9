#pragma once
// Shared look of the teaching pictures: frame size, colours that sit on the pages' blue
// beside yellow text, and legible labels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

namespace art {

// Frames are drawn at twice the 324 by 244 box of the pages.
inline constexpr int frameWidth = 648;
inline constexpr int frameHeight = 488;

namespace colour {
inline const QColor backgroundTop{26, 44, 110};
inline const QColor backgroundBottom{14, 24, 66};
inline const QColor warm{250, 170, 70};       // the first face of the paper, shaded areas
inline const QColor warmDark{214, 120, 40};
inline const QColor cool{110, 205, 225};      // the second face, contrasting areas
inline const QColor chalk{245, 245, 235};     // lines drawn as on a board
inline const QColor seam{235, 40, 80};        // edges that are brought together
inline const QColor label{255, 255, 255};
} // namespace colour

// A fresh frame with the dark-blue backdrop, ready for a painter.
QImage newFrame(int width = frameWidth, int height = frameHeight);

// Italic letters as in a textbook ("r", "A", "πr").
QFont letterFont(double pixelSize = 48);
QFont wordFont(double pixelSize = 30, bool bold = true);

// Draws text centred on `centre`, with a dark halo so that it reads over any shape.
void drawLabel(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
               const QColor& colour = colour::label, double opacity = 1.0);

// Screen angles: 0 points right, positive turns anticlockwise (y grows downwards).
QPointF polar(QPointF centre, double radius, double angle);

} // namespace art
