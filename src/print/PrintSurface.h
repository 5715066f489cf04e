#pragma once

#include <cstdint>
#include <string_view>

#include "print/PrintColor.h"
#include "print/PrintFont.h"
#include "print/PrintRect.h"

namespace zufora {

// The printer and its page canvas as the layout engine sees them: everything in device
// units of the printable area, whose top-left corner is (0, 0), y growing downwards.
// Texts are cp1252.
//
// An implementation over a real printer keeps the current font as a value (the layout
// sets it before the document begins) and applies it whenever it draws. TextOut places
// the top-left corner of the character cell at (x, y); a painter that draws at the
// baseline adds the font's ascent to y.
//
// The document and page bookkeeping (page number, whether a document is open) lives in
// this base class so that every surface counts pages alike; implementations supply the
// device side through the three Do… hooks.
class PrintSurface {
 public:
  PrintSurface() = default;
  PrintSurface(const PrintSurface&) = delete;
  PrintSurface& operator=(const PrintSurface&) = delete;
  virtual ~PrintSurface() = default;

  // Size of the printable area and device units per inch, vertically.
  virtual std::int32_t PageWidth() const = 0;
  virtual std::int32_t PageHeight() const = 0;
  virtual std::int32_t ResolutionY() const = 0;

  // The current font, used by TextWidth and TextOut.
  virtual const PrintFont& Font() const = 0;
  virtual void SetFont(const PrintFont& font) = 0;

  // Advance width of the text in the current font.
  virtual std::int32_t TextWidth(std::string_view text) = 0;
  // The current font's ascent: from the top of its character cell down to its baseline.
  virtual std::int32_t FontAscent() = 0;
  // Draws the text with the top-left corner of its cell at (x, y), no background.
  virtual void TextOut(std::int32_t x, std::int32_t y, std::string_view text) = 0;
  // A straight solid black line one device unit wide from the current point.
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  virtual void FillRect(const PrintRect& rect, PrintColor color) = 0;

  // Starts a job under the document name together with its first page: page number 1.
  // std::logic_error when a document is already open.
  void BeginDocument(std::string_view name);
  // Ends the current page and starts the next one. std::logic_error outside a document.
  void NewPage();
  // Ends the last page and the job: page number 0. std::logic_error outside a document.
  void EndDocument();
  // Abandons the job after an error: what was drawn is not delivered as a complete job.
  // Page number 0. Does nothing outside a document and never throws.
  void AbortDocument() noexcept;

  std::int32_t PageNumber() const { return page_number_; }
  bool Printing() const { return printing_; }

  // Whether what is drawn on the current page is wanted. A surface that shows only some
  // pages of a job (a preview, a page count) says no for the others; the layout then
  // draws nothing there and only moves on to the next page, which it may do because no
  // page break depends on what is drawn.
  virtual bool DrawsCurrentPage() const { return true; }

 protected:
  // Device side of the three document operations. PageNumber() still holds the number
  // from before the operation while a hook runs; a hook that throws changes nothing.
  virtual void DoBeginDocument(std::string_view name) = 0;
  virtual void DoNewPage() = 0;
  virtual void DoEndDocument() = 0;
  // Device side of AbortDocument; a device that cannot withdraw a job ends it.
  virtual void DoAbortDocument() { DoEndDocument(); }

 private:
  std::int32_t page_number_ = 0;
  bool printing_ = false;
};

}  // namespace zufora
