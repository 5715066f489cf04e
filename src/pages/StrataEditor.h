#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "design/Stratification.h"
#include "design/TextGrid.h"

namespace zufora {

// Column indexes of the factor table (StringGridFaktoren): the row label ("Faktor 1"),
// the factor's name and its field name.
inline constexpr int kFactorLabelColumn = 0;
inline constexpr int kFactorNameColumn = 1;
inline constexpr int kFactorFieldColumn = 2;
inline constexpr int kFactorColumns = 3;

// Column indexes of the level table (StringGridStufen): the row label ("Stufe 1"), the
// level's code and its label.
inline constexpr int kLevelLabelColumn = 0;
inline constexpr int kLevelCodeColumn = 1;
inline constexpr int kLevelTextColumn = 2;
inline constexpr int kLevelColumns = 3;

// The captions of the two tables' heading rows; the first of each is also the word of
// the row labels. Read from LabelFaktor, LabelFaktorName, LabelFaktorFeld and LabelStufe,
// LabelStufeCode, LabelStufeBez.
struct StrataCaptions {
  std::array<std::string, kFactorColumns> factor;
  std::array<std::string, kLevelColumns> level;
};

// What the buttons under a table do to its selected row: BitBtnFaktorNeu, ...Loeschen,
// ...Hoch, ...Runter and those of the levels.
enum class RowEdit { Add, Remove, Up, Down };

// The strata page without widgets: the factor table, the level table of the selected
// factor, and the fields under each that show its selected row (EditFaktor,
// EditFaktorName, EditFaktorFeld; EditStufe, EditStufeCode, EditStufeBez). The tables
// are views of the design's factors, written again by every operation; typing into a
// field changes the design at once. Row 0 of each table is its heading row; a table
// without data rows has no selection (row 0), and its fields are empty.
class StrataEditor {
 public:
  const TextGrid& FactorGrid() const { return factor_grid_; }
  const TextGrid& LevelGrid() const { return level_grid_; }
  std::int32_t FactorRow() const { return factor_ + 1; }
  std::int32_t LevelRow() const { return level_ + 1; }
  // The field of `column` under a table: its selected row's cell, empty without one.
  const std::string& FactorField(int column) const;
  const std::string& LevelField(int column) const;

  // Shows `factors` in the tables, the selections kept where they are (within the rows
  // there are; the first row when there was none).
  void Show(const std::vector<StratificationFactor>& factors, const StrataCaptions& captions);
  // Show after the factors were replaced (a design file): the first rows selected.
  void ShowNew(const std::vector<StratificationFactor>& factors, const StrataCaptions& captions);

  // Selects a data row of the table; false, and nothing changes, for any other row. A
  // factor selected shows its levels, the first of them selected.
  bool SelectFactor(std::int32_t row, const std::vector<StratificationFactor>& factors,
                    const StrataCaptions& captions);
  bool SelectLevel(std::int32_t row, const std::vector<StratificationFactor>& factors,
                   const StrataCaptions& captions);

  // Typing into a field under a table (kFactorNameColumn, kFactorFieldColumn;
  // kLevelCodeColumn, kLevelTextColumn): the text goes into the selected row's factor or
  // level. False, and nothing changes, without a selected row or for a label column.
  bool TypeFactor(int column, std::string text, std::vector<StratificationFactor>& factors,
                  const StrataCaptions& captions);
  bool TypeLevel(int column, std::string text, std::vector<StratificationFactor>& factors,
                 const StrataCaptions& captions);

  // A button under the factor table. Add appends a factor named by its row label, with
  // a field name "faktorN" that no factor has yet and the two levels 1 and 2, and
  // selects it; Remove deletes the selected factor; Up and Down swap it with its
  // neighbour, the selection following. False when Add would pass kMaxFactors (nothing
  // changes) or when there is nothing to remove or move.
  bool EditFactors(RowEdit edit, std::vector<StratificationFactor>& factors,
                   const StrataCaptions& captions);
  // The same for the levels of the selected factor: Add appends a level with the
  // smallest number code above the number codes there are, labelled by its row label,
  // and is refused beyond kMaxLevels; nothing happens without a selected factor.
  bool EditLevels(RowEdit edit, std::vector<StratificationFactor>& factors,
                  const StrataCaptions& captions);

 private:
  void Clamp(const std::vector<StratificationFactor>& factors);

  TextGrid factor_grid_{kFactorColumns, 1};
  TextGrid level_grid_{kLevelColumns, 1};
  std::int32_t factor_ = -1;  // the selected factor's index, -1 for none
  std::int32_t level_ = -1;   // the selected level's index in that factor, -1 for none
};

}  // namespace zufora
