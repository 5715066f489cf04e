#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/TextGrid.h"

namespace zufora {

// The fields under a table that show and edit its selected row, one field per column
// (the arm page's EditCArm, EditCBeschr, EditCRatio; the centre page's EditAZentrum,
// EditANummer, EditABeschr, EditAFallzahl). The table itself is never edited in place.
//
// The table's whole rows are selected; its heading row 0 is fixed (not selectable). A
// table needs one row that is not fixed, so when its row count falls to 1 the heading
// row stops being fixed, and it stays an ordinary, selectable row when the count grows
// again. The selection starts on row 1.
class RowEditor {
 public:
  explicit RowEditor(int columns) : fields_(static_cast<std::size_t>(columns)) {}

  std::int32_t Row() const { return row_; }
  bool HeadingFixed() const { return heading_fixed_; }
  // The text of the field for `column`.
  const std::string& Field(int column) const { return fields_[static_cast<std::size_t>(column)]; }

  // Selects `row` when the table shows it and it is not fixed; false (selection
  // unchanged) otherwise.
  bool Select(std::int32_t row, const TextGrid& grid);
  // Call after every change of the table's row count: unfixes the heading row when the
  // table has no other row, and moves a selection beyond the last row onto it.
  void FollowRowCount(const TextGrid& grid);
  // Every field from the selected row.
  void Fill(const TextGrid& grid);
  // Sets the field of `column` and writes its whole text into that column of the
  // selected row, provided that the row is a data row (row 1 or later) that the table
  // shows; true when the cell was written.
  bool Type(int column, std::string text, TextGrid& grid);

 private:
  std::int32_t row_ = 1;
  bool heading_fixed_ = true;
  std::vector<std::string> fields_;
};

}  // namespace zufora
