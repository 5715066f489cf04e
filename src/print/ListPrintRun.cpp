#include "print/ListPrintRun.h"

#include <stdexcept>

#include "print/PrintArithmetic.h"
#include "text/LineSplitter.h"
#include "text/TextFolding.h"

namespace zufora {
namespace {

// Blanks and control characters, as the trimming of the centre texts counts them.
std::string_view Trim(std::string_view text) {
  return TrimWhere(text, IsBlankOrControl);
}

// The text before the first `stop`, or the whole text.
std::string_view Before(std::string_view text, char stop) {
  return text.substr(0, text.find(stop));
}

// The text without the seed note " - Seed: (S)" that a heading ends with, S a decimal
// number (negative for the one seed without an absolute value).
std::string_view WithoutSeedNote(std::string_view text) {
  constexpr std::string_view kNote = " - Seed: (";
  if (!text.ends_with(')')) {
    return text;
  }
  const std::size_t note = text.rfind(kNote);
  if (note == std::string_view::npos) {
    return text;
  }
  std::string_view number = text.substr(note + kNote.size());
  number.remove_suffix(1);
  if (number.starts_with('-')) {
    number.remove_prefix(1);
  }
  if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
    return text;
  }
  return text.substr(0, note);
}

// Whether a line of the list text opens a new table: a centre's or a stratum's heading.
bool IsHeading(std::string_view line, std::string_view centre_caption,
               std::string_view stratum_caption) {
  return line.starts_with(centre_caption) ||
         (!stratum_caption.empty() && line.starts_with(stratum_caption));
}

}  // namespace

void ListPrintRun::Print(PrintSurface& printer, const PrintJobTexts& job) {
  layout_ = std::make_unique<TableLayout>(printer, job.date);
  try {
    PrintList(job);
  } catch (...) {
    printer.AbortDocument();  // no half job delivered as if it were complete
    layout_.reset();
    throw;
  }
  layout_.reset();
}

void ListPrintRun::SplitIntoLines(std::string_view list_text) {
  lines_.clear();
  LineSplitter splitter(list_text);
  for (std::string_view line; splitter.Next(line);) {
    lines_.emplace_back(line);
  }
}

void ListPrintRun::AddColumn(std::vector<std::string>& titles, std::vector<std::string>& widths,
                             std::vector<std::string>& codes, std::string title, std::int32_t width,
                             std::int32_t code) {
  titles.push_back(std::move(title));
  widths.push_back(std::to_string(width));
  codes.push_back(std::to_string(code));
}

void ListPrintRun::ReadCentreHeading(std::string_view line) {
  if (!layout_) {
    return;
  }
  const std::size_t tab = line.find('\t');
  const std::string_view first = line.substr(0, tab);
  std::string_view second;
  if (tab != std::string_view::npos) {
    second = Before(line.substr(tab + 1), '\t');
  }
  centre_heading_.assign(first);
  centre_heading_ += "        ";  // eight blanks
  centre_heading_ += second;
  centre_id_.assign(Trim(Before(first, ':')));
  centre_name_.assign(Trim(WithoutSeedNote(second)));
}

void ListPrintRun::PrintList(const PrintJobTexts& job) {
  if (!layout_) {
    throw std::logic_error("print run without a layout engine");
  }
  TableLayout& layout = *layout_;
  centre_heading_.clear();
  centre_id_.clear();
  centre_name_.clear();

  SplitIntoLines(job.list_text);
  if (!lines_.empty()) {
    layout.SetPageTitle(lines_.front());
    lines_.erase(lines_.begin());  // once per run: linear
    layout.Footer().SetLeftText(layout.PageTitle());
  }

  layout.SetColumnUnit(800);
  PrintFont body = layout.Surface().Font();
  body.point_size = 12;
  layout.Surface().SetFont(body);
  layout.Header().Font().point_size = 10;
  layout.Footer().Font().point_size = 10;
  layout.SetDocumentName(job.document_name);
  layout.SetWatermark(job.watermark);
  layout.SetMarginLeft(TruncToInt32(100.0 * static_cast<double>(layout.ColumnUnit())));
  // Still the line height of construction (8 points): UpdateLineHeight has not run yet.
  layout.SetBodyTopGap(ClampToInt32(7 * std::int64_t{layout.LineHeight()}));
  layout.UpdateLinesPerPage();

  std::vector<std::string> titles;
  std::vector<std::string> widths;
  std::vector<std::string> codes;
  AddColumn(titles, widths, codes, "ID", 50, 0);
  AddColumn(titles, widths, codes, "Arm", 0, 0);
  AddColumn(titles, widths, codes, "Studienarm", 125, 1);
  AddColumn(titles, widths, codes, "Zentrum", 125, 1);
  AddColumn(titles, widths, codes, "Patient", 150, 1);
  AddColumn(titles, widths, codes, "Geb.-Dat.", 100, 1);
  AddColumn(titles, widths, codes, "Datum", 100, 1);

  layout.SetBlockSeparator(job.block_separator);
  layout.SetCenterCaption(job.center_caption);
  layout.BeginDocument();

  std::vector<std::string> pending_rows;
  for (const std::string& line : lines_) {
    if (IsHeading(line, job.center_caption, job.stratum_caption)) {
      if (!pending_rows.empty()) {
        layout.Rows() = std::move(pending_rows);
        pending_rows.clear();
        layout.PrintTable(titles, widths, codes);
        layout.NewPage();
      }
      ReadCentreHeading(line);
      layout.SetPageSubTitle(centre_heading_);
      layout.Footer().SetCenterText(centre_id_ + ": " + centre_name_);
    } else if (centre_name_.empty()) {
      pending_rows.push_back(line);
    } else {
      std::string row;
      row.reserve(line.size() + 1 + centre_name_.size());
      row += line;
      row += '\t';
      row += centre_name_;
      pending_rows.push_back(std::move(row));
    }
  }
  layout.Rows() = std::move(pending_rows);
  pending_rows.clear();
  layout.PrintTable(titles, widths, codes);
  layout.EndDocument();
}

}  // namespace zufora
