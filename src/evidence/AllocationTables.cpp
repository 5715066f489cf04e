#include "evidence/AllocationTables.h"

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

// The code of the row's level of factor `factor` (empty when the row has none).
std::string LevelCode(const StudyDesign& design, std::size_t factor, const AllocationRow& row) {
  if (factor >= design.factors.size() || factor >= row.levels.size()) {
    return std::string();
  }
  const auto& levels = design.factors[factor].levels;
  const auto level = static_cast<std::size_t>(row.levels[factor]);
  return level < levels.size() ? levels[level].code : std::string();
}

// One column per factor of a stratified design, under its field name, holding the
// stratum's level code (`field` turns a code into the CSV field written).
void AddFactorColumns(const StudyDesign& design, std::string (*field)(std::string_view),
                      Columns& columns) {
  if (!Stratifies(design)) {
    return;
  }
  for (std::size_t f = 0; f < design.factors.size(); ++f) {
    columns.push_back(std::make_unique<StratumCellColumn>(
        field(design.factors[f].field), [&design, f, field](const AllocationRow& row) {
          return field(LevelCode(design, f, row));
        }));
  }
}

std::string AsItStands(std::string_view text) {
  return std::string(text);
}

Columns CsvColumns(const StudyDesign& design) {
  Columns columns = Make(
      std::make_unique<ListCellColumn>(
          "centre",
          [&design](std::optional<std::int32_t> centre) {
            return centre ? CsvField(design.centres.Cell(kCentreNumberColumn, *centre)) : "";
          }),
      Number("patient", [](const AllocationRow& row) { return row.patient; }),
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
  AddFactorColumns(design, CsvField, columns);
  columns.push_back(
      Number("list_seed", [](const AllocationRow& row) { return std::int64_t{row.list_seed}; }));
  return columns;
}

Columns RedcapColumns(const StudyDesign& design, const RedcapTableSpec& spec) {
  Columns columns;
  RandomizationNumbers* numbers = spec.numbers;
  columns.push_back(std::make_unique<RowCellColumn>(
      kRedcapNumberColumn,
      [numbers](const AllocationRow& row) { return numbers ? numbers->NumberOf(row) : ""; }));
  columns.push_back(std::make_unique<ArmCellColumn>(
      kRedcapGroupColumn, [codes = spec.arm_codes](std::int32_t arm) {
        const auto code = codes.find(arm);
        return code != codes.end() ? code->second : std::to_string(arm);
      }));
  AddFactorColumns(design, AsItStands, columns);
  if (!design.per_centre_lists) {
    return columns;
  }
  if (spec.centre_field) {
    columns.push_back(std::make_unique<ListCellColumn>(
        *spec.centre_field, [&design](std::optional<std::int32_t> centre) {
          return centre ? design.centres.Cell(kCentreNumberColumn, *centre) : std::string();
        }));
  }
  if (!spec.group_ids.empty()) {
    columns.push_back(std::make_unique<ListCellColumn>(
        kRedcapDataAccessGroupColumn,
        [&design, ids = spec.group_ids](std::optional<std::int32_t> centre) {
          if (!centre) {
            return std::string();
          }
          const auto id = ids.find(design.centres.Cell(kCentreNumberColumn, *centre));
          return id != ids.end() ? std::to_string(id->second) : std::string();
        }));
  }
  return columns;
}

// `text` with ASCII capitals made small, for names that a reader takes as the same.
std::string Folded(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

}  // namespace

std::optional<std::string> CsvTableProblem(const StudyDesign& design) {
  if (!Stratifies(design)) {
    return std::nullopt;
  }
  std::set<std::string> names;
  const StudyDesign unstratified;  // the columns besides the factors'
  for (const auto& column : CsvColumns(unstratified)) {
    names.insert(column->Name());
  }
  for (const StratificationFactor& factor : design.factors) {
    const std::string folded = Folded(factor.field);
    if (names.contains(folded)) {
      return "the field name \"" + ShownUtf8(Cp1252ToUtf8(factor.field)) + "\" of the factor \"" +
             ShownUtf8(Cp1252ToUtf8(factor.name)) + "\"" +
             " is the name of another column of the table: give the factor another field name";
    }
    names.insert(folded);
  }
  return std::nullopt;
}

CsvAllocationTable::CsvAllocationTable(const StudyDesign& design, ListTextSink& sink)
    : AllocationTable(CsvColumns(design), sink) {}

RedcapAllocationTable::RedcapAllocationTable(const StudyDesign& design, const RedcapTableSpec& spec,
                                             ListTextSink& sink)
    : AllocationTable(RedcapColumns(design, spec), sink) {}

}  // namespace zufora
