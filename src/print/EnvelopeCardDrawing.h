#pragma once

#include "print/EnvelopeCard.h"
#include "print/EnvelopeSheet.h"
#include "print/PrintSurface.h"

namespace zufora {

// The parts of a code-break card and page (EnvelopePrintRun), each drawn through the
// surface and leaving its font as it found it. Texts keep within the card: a text too
// wide is set smaller, then cut (TextFitter).

// Short marks outside the card's corners along its edges, clear of the card itself and
// of the marks of the card beside it, and ticks beside the fold lines.
void DrawCutMarks(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& card);
// Dashed lines across the card where its panels meet.
void DrawFoldLines(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& card);
// The cover panel: a dark ground under a grid of black bars that covers nearly all of it.
void DrawCover(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel);
// The outside panel: study (and "TEST"), the stratum's two lines, the number.
void DrawOutside(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel,
                 const EnvelopeJob& job, const EnvelopeCard& card);
// The inside panel: "Studienarm N" and the arm's description in up to three lines.
void DrawInside(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel,
                const EnvelopeCard& card);
// "TEST" in large light letters across the middle of the page.
void DrawTestWatermark(PrintSurface& surface);

}  // namespace zufora
