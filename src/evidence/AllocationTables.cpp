#include "evidence/AllocationTables.h"

#include <memory>
#include <vector>

#include "evidence/TableColumns.h"

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

Columns CsvColumns(const StudyDesign& design) {
  return Make(
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
             [](const AllocationRow& row) { return std::int64_t{row.position}; }));
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

}  // namespace

CsvAllocationTable::CsvAllocationTable(const StudyDesign& design, ListTextSink& sink)
    : AllocationTable(CsvColumns(design), sink) {}

RedcapAllocationTable::RedcapAllocationTable(const StudyDesign& design, const RedcapTableSpec& spec,
                                             ListTextSink& sink)
    : AllocationTable(RedcapColumns(design, spec), sink) {}

}  // namespace zufora
