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

}  // namespace

void ListPrintRun::Print(PrintSurface& printer, const PrintJobTexts& job) {
  layout_printer_ = std::make_unique<TableLayout>(printer, job.date);
  try {
    PrintList(job);
  } catch (...) {
    printer.AbortDocument();  // no half job delivered as if it were complete
    layout_printer_.reset();
    throw;
  }
  layout_printer_.reset();
}

void ListPrintRun::CopyListText(std::string_view list_text) {
  memo1_.clear();
  LineSplitter lines(list_text);
  for (std::string_view line; lines.Next(line);) {
    memo1_.emplace_back(line);
  }
}

void ListPrintRun::AddColumn(std::vector<std::string>& titles, std::vector<std::string>& widths,
                           std::vector<std::string>& codes, std::string title, std::int32_t width,
                           std::int32_t code) {
  titles.push_back(std::move(title));
  widths.push_back(std::to_string(width));
  codes.push_back(std::to_string(code));
}

void ListPrintRun::ParseCenterLine(std::string_view line) {
  if (!layout_printer_) {
    return;
  }
  const std::size_t tab = line.find('\t');
  const std::string_view first = line.substr(0, tab);
  std::string_view second;
  if (tab != std::string_view::npos) {
    second = Before(line.substr(tab + 1), '\t');
  }
  center_heading_.assign(first);
  center_heading_ += "        ";  // eight blanks
  center_heading_ += second;
  center_id_text_.assign(Trim(Before(first, ':')));
  center_name_.assign(Trim(Before(second, '-')));
}

void ListPrintRun::PrintList(const PrintJobTexts& job) {
  if (!layout_printer_) {
    throw std::logic_error("print run without a layout printer");
  }
  TableLayout& printer = *layout_printer_;
  center_heading_.clear();
  center_id_text_.clear();
  center_name_.clear();

  CopyListText(job.list_text);
  if (!memo1_.empty()) {
    printer.SetPageTitle(memo1_.front());
    memo1_.erase(memo1_.begin());  // once per run: linear
    printer.Footer().SetLeftText(printer.PageTitle());
  }

  printer.SetColumnUnit(800);
  PrintFont body = printer.Printer().Font();
  body.point_size = 12;
  printer.Printer().SetFont(body);
  printer.Header().Font().point_size = 10;
  printer.Footer().Font().point_size = 10;
  printer.SetTitle(job.document_name);
  printer.SetMarginLeft(TruncToInt32(100.0 * static_cast<double>(printer.ColumnUnit())));
  // Still the line height of construction (8 points): UpdateLineHeight has not run yet.
  printer.SetBodyTopGap(ClampToInt32(7 * std::int64_t{printer.LineHeight()}));
  printer.UpdateLinesPerPage();

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

  printer.SetBlockSeparator(job.block_separator);
  printer.SetCenterCaption(job.center_caption);
  printer.BeginDocument();

  const std::string_view caption = job.center_caption;
  std::vector<std::string> pending_rows;
  for (const std::string& line : memo1_) {
    if (std::string_view(line).starts_with(caption)) {
      if (!pending_rows.empty()) {
        printer.Lines() = std::move(pending_rows);
        pending_rows.clear();
        printer.PrintTable(titles, widths, codes);
        printer.NewPage();
      }
      ParseCenterLine(line);
      printer.SetPageSubTitle(center_heading_);
      printer.Footer().SetCenterText(center_id_text_ + ": " + center_name_);
    } else if (center_name_.empty()) {
      pending_rows.push_back(line);
    } else {
      std::string row;
      row.reserve(line.size() + 1 + center_name_.size());
      row += line;
      row += '\t';
      row += center_name_;
      pending_rows.push_back(std::move(row));
    }
  }
  printer.Lines() = std::move(pending_rows);
  pending_rows.clear();
  printer.PrintTable(titles, widths, codes);
  printer.EndDocument();
}

}  // namespace zufora
