#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "print/PrintLogQueries.h"
#include "print/TableLayout.h"
#include "support/RecordingSurface.h"

// What the layout engine's tests share.
namespace zufora::print_test {

using Kind = PrintOperation::Kind;

inline const HeaderDateClock kNoDate = [] { return std::string(); };

inline void SetBodySize(PrintSurface& surface, std::int32_t points) {
  PrintFont font = surface.Font();
  font.point_size = points;
  surface.SetFont(font);
}

// Tables. The fixture mirrors the print run's page: 4800 × 6800 at 600 dpi, 12-point body
// (LineHeight 150), left margin 600, BodyTopGap 700: BodyTop 900, 30 rows per page.
// Three columns of widths 100, 0 and 200 units of 6.0: anchors 600, 1200, 1200, end 2400.
// Texts measure 4 units per point and character: 48 per character at 12 points, so
// "XXXX" is 192 wide and the number box starts at 408.

class TableTest : public ::testing::Test {
 protected:
  TableTest()
      : surface_(4800, 6800, 600), layout_(surface_, [] { return std::string("01.02.2024"); }) {
    layout_.SetColumnUnit(800);
    SetBodySize(surface_, 12);
    layout_.SetMarginLeft(600);
    layout_.SetBodyTopGap(700);
    layout_.SetPageTitle("Titel");
    layout_.SetPageSubTitle("Untertitel");
    layout_.BeginDocument();
  }

  void PrintRows(std::vector<std::string> rows) {
    layout_.Rows() = std::move(rows);
    ASSERT_TRUE(layout_.PrintTable(titles_, widths_, codes_));
  }

  static std::vector<std::string> NumberedRows(int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
      std::string row = "r";
      row += std::to_string(i);
      row += "\tb\tc";
      rows.push_back(std::move(row));
    }
    return rows;
  }

  // The band of row k on its page: [900 + (k rem 30) × 150 - 25, +150).
  static PrintRect Band(std::int32_t row_on_page) {
    const std::int32_t top = 900 + row_on_page * 150 - 25;
    return PrintRect{408, top, 2400, top + 150};
  }

  RecordingSurface surface_;
  TableLayout layout_;
  std::vector<std::string> titles_{"A", "B", "C"};
  std::vector<std::string> widths_{"100", "0", "200"};
  std::vector<std::string> codes_{"1", "0", "2"};
};

}  // namespace zufora::print_test
