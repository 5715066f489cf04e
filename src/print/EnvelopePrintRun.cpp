#include "print/EnvelopePrintRun.h"

#include "print/EnvelopeCardDrawing.h"

namespace zufora {
namespace {

// The job's pages, begun as the cards need them.
class EnvelopePages {
 public:
  EnvelopePages(PrintSurface& surface, const EnvelopeJob& job)
      : surface_(surface),
        job_(job),
        sheet_(
            EnvelopeSheet::For(surface.PageWidth(), surface.PageHeight(), surface.ResolutionY())) {}

  void Begin() {
    PrintFont font;
    font.face = "Arial";
    surface_.SetFont(font);
    surface_.BeginDocument(job_.document_name);
    StartPage();
  }

  void Add(const EnvelopeCard& card) {
    if (slot_ == sheet_.CardsPerPage()) {
      surface_.NewPage();
      StartPage();
    }
    if (surface_.DrawsCurrentPage()) {
      const PrintRect place = sheet_.Card(slot_);
      DrawCutMarks(surface_, sheet_, place);
      DrawCover(surface_, sheet_, sheet_.Panel(place, 1));
      DrawFoldLines(surface_, sheet_, place);
      DrawOutside(surface_, sheet_, sheet_.Panel(place, 0), job_, card);
      DrawInside(surface_, sheet_, sheet_.Panel(place, 2), card);
    }
    ++slot_;
  }

 private:
  void StartPage() {
    slot_ = 0;
    if (job_.test && surface_.DrawsCurrentPage()) {
      DrawTestWatermark(surface_);
    }
  }

  PrintSurface& surface_;
  const EnvelopeJob& job_;
  EnvelopeSheet sheet_;
  std::int32_t slot_ = 0;
};

}  // namespace

std::int64_t EnvelopePrintRun::Print(PrintSurface& surface, const EnvelopeJob& job,
                                     EnvelopeCardSource& cards) {
  std::int64_t printed = 0;
  try {
    EnvelopePages pages(surface, job);
    pages.Begin();
    EnvelopeCard card;
    while (cards.Next(card)) {
      pages.Add(card);
      ++printed;
    }
    surface.EndDocument();
  } catch (...) {
    surface.AbortDocument();  // no half job delivered as if it were complete
    throw;
  }
  return printed;
}

std::int64_t EnvelopePrintRun::PagesFor(std::int64_t cards, const EnvelopeSheet& sheet) {
  const std::int64_t per_page = sheet.CardsPerPage();
  return cards <= per_page ? 1 : (cards + per_page - 1) / per_page;
}

}  // namespace zufora
