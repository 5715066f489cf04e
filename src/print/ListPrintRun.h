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

// The print run: turns the list text into one table per centre or stratum (or one for
// the whole list) on a printer, through a TableLayout created for the job. The printer dialog
// belongs to the window; this class starts where the dialog has returned a printer.
class ListPrintRun {
 public:
  ListPrintRun() = default;

  // The print action after the printer dialog was confirmed: creates the layout engine
  // on the chosen printer, runs PrintList and destroys the engine again, on every way
  // out. An error of the printer propagates; the document begun is then abandoned
  // (PrintSurface::AbortDocument).
  void Print(PrintSurface& printer, const PrintJobTexts& job);

  // The print run on Layout() (std::logic_error without one): title from the first
  // line, a block at each line that begins with the centre caption or the stratum
  // caption (a heading), a new page between blocks, the last block printed even when it
  // is empty.
  void PrintList(const PrintJobTexts& job);

  // Replaces Lines() by the lines of the list text.
  void SplitIntoLines(std::string_view list_text);

  // Appends title, width and code (both as decimal text) to the three lists.
  static void AddColumn(std::vector<std::string>& titles, std::vector<std::string>& widths,
                        std::vector<std::string>& codes, std::string title, std::int32_t width,
                        std::int32_t code);

  // Sets CentreHeading, CentreId and CentreName from a centre or stratum heading: the
  // fields before and after its first tab, the first cut at its first colon and the
  // second without the seed note " - Seed: (S)" at its end, both trimmed. A name keeps
  // its hyphens and the " - FACTOR: LEVEL" parts of a stratum. Does nothing while there
  // is no Layout().
  void ReadCentreHeading(std::string_view line);

  // The sub-title of the centre's pages: the heading's two fields, eight blanks apart.
  const std::string& CentreHeading() const { return centre_heading_; }
  // The centre word and number ("Zentrum 3"), left of the footer's colon.
  const std::string& CentreId() const { return centre_id_; }
  // The centre's description (with a stratum's levels), without the seed note: the
  // column "Zentrum".
  const std::string& CentreName() const { return centre_name_; }
  // The list text's lines that the run has not yet taken (after a run: all but the title).
  const std::vector<std::string>& Lines() const { return lines_; }
  // The layout engine of the job being printed; none between runs.
  TableLayout* Layout() { return layout_.get(); }

 private:
  std::string centre_heading_;
  std::string centre_id_;
  std::string centre_name_;
  std::unique_ptr<TableLayout> layout_;
  std::vector<std::string> lines_;
};

}  // namespace zufora
