#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "print/PrintJobTexts.h"
#include "print/PrintSurface.h"
#include "print/TableLayout.h"

namespace zufora {

// The print run: turns the list text into one table per centre (or one for the whole
// list) on a printer, through a TableLayout created for the job. The printer dialog
// belongs to the window; this class starts where the dialog has returned a printer.
class ListPrintRun {
 public:
  ListPrintRun() = default;

  // The print action after the printer dialog was confirmed: creates LayoutPrinter on
  // the chosen printer, runs PrintList and destroys LayoutPrinter again, on every way
  // out. An error of the printer propagates; the document begun is then abandoned
  // (PrintSurface::AbortDocument).
  void Print(PrintSurface& printer, const PrintJobTexts& job);

  // The print run on LayoutPrinter (std::logic_error without one): title from the first
  // line, a block at each line that begins with the centre caption, a new page between
  // blocks, the last block printed even when it is empty.
  void PrintList(const PrintJobTexts& job);

  // Replaces the lines of Memo1 by the lines of the list text.
  void CopyListText(std::string_view list_text);

  // Appends title, width and code (both as decimal text) to the three lists.
  static void AddColumn(std::vector<std::string>& titles, std::vector<std::string>& widths,
                        std::vector<std::string>& codes, std::string title, std::int32_t width,
                        std::int32_t code);

  // Sets CenterHeading, CenterIdText and CenterName from a centre heading: the fields
  // before and after its first tab, the first cut at its first colon and the second at
  // its first hyphen, both trimmed. Does nothing while there is no LayoutPrinter.
  void ParseCenterLine(std::string_view line);

  const std::string& CenterHeading() const { return center_heading_; }
  const std::string& CenterIdText() const { return center_id_text_; }
  const std::string& CenterName() const { return center_name_; }
  const std::vector<std::string>& Memo1() const { return memo1_; }
  TableLayout* LayoutPrinter() { return layout_printer_.get(); }

 private:
  std::string center_heading_;
  std::string center_id_text_;
  std::string center_name_;
  std::unique_ptr<TableLayout> layout_printer_;
  std::vector<std::string> memo1_;
};

}  // namespace zufora
