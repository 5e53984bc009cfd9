#pragma once
// Writing pictures: JPEG at a quality without visible artefacts, GIF through giflib with
// the frame's own 256 most frequent colours, PNG for icons and contact sheets.

#include "animations.h"

#include <QImage>
#include <QString>

#include <functional>

namespace art {

// Chooses the format by the file's suffix and creates missing folders. False on failure.
bool writePicture(const QImage& image, const QString& path);
bool writeGif(const QImage& image, const QString& path);

// Writes a picture drawn at twice the size it is shown at as the twice-size copy (Qt's "@2x"
// name beside `path`), and the picture itself, at the shown size, as its smooth reduction.
bool writeBothSizes(const QImage& twice, const QString& path);

// Runs body(0) .. body(count - 1) on all cores.
void parallelFor(int count, const std::function<void(int)>& body);

// Draws every frame of the sequence into outDir/folder/, at both sizes, and a contact sheet of
// every fifth frame into sheetsDir/folder.png. False if any file could not be written.
bool renderSequence(const Sequence& sequence, const QString& outDir, const QString& sheetsDir);

} // namespace art
