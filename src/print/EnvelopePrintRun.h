#pragma once

#include <cstdint>

#include "print/EnvelopeCard.h"
#include "print/EnvelopeSheet.h"
#include "print/PrintSurface.h"

namespace zufora {

// The print run of the code-break envelopes: one card per randomisation number, as
// many to a page as EnvelopeSheet places, with cut marks around each card and dashed
// fold lines between its panels. The outside panel shows the study, the stratum and
// the number; the cover panel a dense crosshatch; the inside panel the arm's number
// and description, and nothing else does. A test list has "TEST" on every card and a
// large "TEST" beneath the cards of every page.
//
// Draws only through the surface and only on the pages it draws
// (PrintSurface::DrawsCurrentPage); a page break depends on nothing drawn.
class EnvelopePrintRun {
 public:
  // Prints every card the source gives, at least one page. An error of the printer
  // propagates after the document has been abandoned (PrintSurface::AbortDocument).
  // Returns the number of cards printed.
  static std::int64_t Print(PrintSurface& surface, const EnvelopeJob& job,
                            EnvelopeCardSource& cards);

  // The number of pages `cards` cards take on `sheet`: at least one.
  static std::int64_t PagesFor(std::int64_t cards, const EnvelopeSheet& sheet);
};

}  // namespace zufora
