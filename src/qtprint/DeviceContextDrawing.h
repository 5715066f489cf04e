#pragma once

#include <QString>
#include <cstdint>

#include "print/PrintColor.h"
#include "print/PrintRect.h"

class QPainter;

// Drawing on a QPainter as a printer device context draws, in its device units: shared by
// the printed page and the preview, which draws the same units scaled to the screen.
namespace zufora {

// A solid black line from (x1, y1) to (x2, y2) covering the pixels a device context
// covers: from its start up to, not including, its end. The painter's pen keeps its
// width and cap (one unit and flat on a printer); only its colour is set.
void DrawDeviceLine(QPainter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2);

// Fills left <= x < right, top <= y < bottom, without an outline.
void FillDeviceRect(QPainter& painter, const PrintRect& rect, PrintColor color);

// The text in the painter's font with its baseline at y, in the colour.
void DrawDeviceText(QPainter& painter, std::int32_t x, std::int32_t baseline, const QString& text,
                    PrintColor color);

}  // namespace zufora
