#include "evidence/AllocationTables.h"

#include <iterator>
#include <memory>
#include <set>
#include <vector>

#include "evidence/ShownText.h"
#include "evidence/TableColumns.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

using Columns = std::vector<std::unique_ptr<TableColumn>>;

template <typename... Column>
Columns Make(std::unique_ptr<Column>... columns) {
  Columns made;
  (made.push_back(std::move(columns)), ...);
  return made;
}

std::unique_ptr<TableColumn> Number(const char* name, NumberColumn::Value value) {
  return std::make_unique<NumberColumn>(name, value);
}

// The row's level of factor `factor` (empty texts when the row has none).
FactorLevel LevelOf(const StudyDesign& design, std::size_t factor, const AllocationRow& row) {
  if (factor >= design.factors.size() || factor >= row.levels.size()) {
    return {};
  }
  const auto& levels = design.factors[factor].levels;
  const auto level = static_cast<std::size_t>(row.levels[factor]);
  return level < levels.size() ? levels[level] : FactorLevel{};
}

// The suffix of the column that holds a factor's level labels (the site list's).
constexpr char kLabelSuffix[] = "_label";

// One column per factor of a stratified design, under its field name, holding the
// stratum's level code (`field` turns a text into the CSV field written); with `labels`
// each followed by FIELD_label holding the level's label.
void AddFactorColumns(const StudyDesign& design, std::string (*field)(std::string_view),
                      Columns& columns, bool labels = false) {
  if (!Stratifies(design)) {
    return;
  }
  for (std::size_t f = 0; f < design.factors.size(); ++f) {
    const std::string& name = design.factors[f].field;
    columns.push_back(std::make_unique<StratumCellColumn>(
        field(name), [&design, f, field](const AllocationRow& row) {
          return field(LevelOf(design, f, row).code);
        }));
    if (labels) {
      columns.push_back(std::make_unique<StratumCellColumn>(
          field(name + kLabelSuffix), [&design, f, field](const AllocationRow& row) {
            return field(LevelOf(design, f, row).label);
          }));
    }
  }
}

std::unique_ptr<TableColumn> CentreColumn(const StudyDesign& design) {
  return std::make_unique<ListCellColumn>("centre", [&design](std::optional<std::int32_t> centre) {
    return centre ? CsvField(design.centres.Cell(kCentreNumberColumn, *centre)) : "";
  });
}

std::unique_ptr<TableColumn> NumberOfRow(const char* name, RandomizationNumbers& numbers) {
  return std::make_unique<RowCellColumn>(
      name, [&numbers](const AllocationRow& row) { return numbers.NumberOf(row); });
}

std::string AsItStands(std::string_view text) {
  return std::string(text);
}

Columns CsvColumns(const StudyDesign& design, RandomizationNumbers* numbers) {
  Columns columns;
  if (numbers) {
    columns.push_back(NumberOfRow("number", *numbers));
  }
  Columns fixed = Make(
      CentreColumn(design), Number("patient", [](const AllocationRow& row) { return row.patient; }),
      Number("arm", [](const AllocationRow& row) { return std::int64_t{row.arm}; }),
      std::make_unique<ArmCellColumn>("arm_description",
                                      [&design](std::int32_t arm) {
                                        return CsvField(
                                            design.arms.Cell(kArmDescriptionColumn, arm));
                                      }),
      Number("block", [](const AllocationRow& row) { return std::int64_t{row.block}; }),
      Number("block_size", [](const AllocationRow& row) { return std::int64_t{row.block_size}; }),
      Number("position_in_block",
             [](const AllocationRow& row) { return std::int64_t{row.position}; }),
      Number("stratum", [](const AllocationRow& row) { return std::int64_t{row.stratum}; }));
  columns.insert(columns.end(), std::make_move_iterator(fixed.begin()),
                 std::make_move_iterator(fixed.end()));
  AddFactorColumns(design, CsvField, columns);
  columns.push_back(
      Number("list_seed", [](const AllocationRow& row) { return std::int64_t{row.list_seed}; }));
  return columns;
}

Columns RedcapColumns(const StudyDesign& design, const RedcapTableRequest& request) {
  Columns columns;
  RandomizationNumbers* numbers = request.numbers;
  columns.push_back(std::make_unique<RowCellColumn>(
      kRedcapNumberColumn,
      [numbers](const AllocationRow& row) { return numbers ? numbers->NumberOf(row) : ""; }));
  columns.push_back(std::make_unique<ArmCellColumn>(
      kRedcapGroupColumn, [codes = request.arm_codes](std::int32_t arm) {
        const auto code = codes.find(arm);
        return code != codes.end() ? code->second : std::to_string(arm);
      }));
  AddFactorColumns(design, AsItStands, columns);
  if (!design.per_centre_lists) {
    return columns;
  }
  if (request.centre_field) {
    columns.push_back(std::make_unique<ListCellColumn>(
        *request.centre_field, [&design](std::optional<std::int32_t> centre) {
          return centre ? design.centres.Cell(kCentreNumberColumn, *centre) : std::string();
        }));
  }
  if (!request.group_ids.empty()) {
    columns.push_back(std::make_unique<ListCellColumn>(
        kRedcapDataAccessGroupColumn,
        [&design, ids = request.group_ids](std::optional<std::int32_t> centre) {
          if (!centre) {
            return std::string();
          }
          const auto id = ids.find(design.centres.Cell(kCentreNumberColumn, *centre));
          return id != ids.end() ? std::to_string(id->second) : std::string();
        }));
  }
  return columns;
}

Columns BlindedColumns(const StudyDesign& design, RandomizationNumbers& numbers) {
  Columns columns;
  columns.push_back(NumberOfRow("number", numbers));
  columns.push_back(
      Number("stratum", [](const AllocationRow& row) { return std::int64_t{row.stratum}; }));
  columns.push_back(CentreColumn(design));
  AddFactorColumns(design, CsvField, columns, true);
  return columns;
}

// Numbers for a table that is only looked at, never written.
class NoNumbers : public RandomizationNumbers {
 public:
  std::string NumberOf(const AllocationRow&) override { return {}; }
};

// `text` with ASCII capitals made small, for names that a reader takes as the same.
std::string Folded(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

// Why the columns of a table cannot all be told apart by their names (in any case): the
// factor whose column takes the name of another. None when they can.
std::optional<std::string> ColumnNameProblem(const StudyDesign& design, const Columns& columns) {
  std::set<std::string> names;
  for (const auto& column : columns) {
    const std::string folded = Folded(column->Name());
    if (names.insert(folded).second) {
      continue;
    }
    // The later factor of two with one field name is the one to rename.
    for (auto factor = design.factors.rbegin(); factor != design.factors.rend(); ++factor) {
      const std::string field = Folded(factor->field);
      if (folded == field || folded == field + kLabelSuffix) {
        return "the field name \"" + ShownUtf8(Cp1252ToUtf8(factor->field)) +
               "\" of the factor \"" + ShownUtf8(Cp1252ToUtf8(factor->name)) +
               "\" gives the column " + ShownUtf8(Cp1252ToUtf8(column->Name())) +
               ", the name of another column of the table: give the factor another field name";
      }
    }
    return "two columns of the table are named " + ShownUtf8(Cp1252ToUtf8(column->Name()));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CsvTableProblem(const StudyDesign& design, bool numbered) {
  NoNumbers numbers;
  return ColumnNameProblem(design, CsvColumns(design, numbered ? &numbers : nullptr));
}

std::optional<std::string> BlindedTableProblem(const StudyDesign& design) {
  NoNumbers numbers;
  return ColumnNameProblem(design, BlindedColumns(design, numbers));
}

CsvAllocationTable::CsvAllocationTable(const StudyDesign& design, ListTextSink& sink,
                                       RandomizationNumbers* numbers)
    : AllocationTable(CsvColumns(design, numbers), sink) {}

BlindedAllocationTable::BlindedAllocationTable(const StudyDesign& design,
                                               RandomizationNumbers& numbers, ListTextSink& sink)
    : AllocationTable(BlindedColumns(design, numbers), sink) {}

RedcapAllocationTable::RedcapAllocationTable(const StudyDesign& design,
                                             const RedcapTableRequest& request, ListTextSink& sink)
    : AllocationTable(RedcapColumns(design, request), sink) {}

}  // namespace zufora
