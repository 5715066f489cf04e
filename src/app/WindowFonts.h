#pragma once

#include <QFont>

namespace zufora::app {

// The window's fonts on a Debian desktop. The window was laid out for a small sans face
// of 8 points; Liberation Sans (metrically equal to Arial) takes its place, DejaVu Sans
// where Liberation is missing.
QFont WindowFont();
// The face of the two notes on the block and seed pages (Arial in the layout).
QFont NoteFont(int points);

}  // namespace zufora::app
