#pragma once

#include "design/StudyDesign.h"
#include "evidence/AllocationTable.h"
#include "evidence/RedcapRules.h"
#include "random/ListTextSink.h"

namespace zufora {

// The program's two allocation tables. Arm descriptions and centre numbers are read from
// `design`, which must outlive the table.

// For any data capture or statistics system:
// centre,patient,arm,arm_description,block,block_size,position_in_block (the centre
// number as typed in the centre table, empty for a single list). Texts of the design are
// written by CsvField: a cell a spreadsheet would run as a formula is neutralised.
class CsvAllocationTable : public AllocationTable {
 public:
  CsvAllocationTable(const StudyDesign& design, ListTextSink& sink);
};

// The header row of CsvAllocationTable.
inline constexpr char kCsvTableHeader[] =
    "centre,patient,arm,arm_description,block,block_size,position_in_block";

// For upload into REDCap's randomization module, in the column order of REDCap's
// template (see RedcapRules.h): redcap_randomization_number (from spec.numbers, else
// empty), redcap_randomization_group (the arm's code), with per-centre lists the centre
// field holding the centre number when spec names one, and redcap_data_access_group
// holding the centre's group id when spec gives ids. `spec` must have passed
// RedcapTableProblem: every value is then a plain code, written as it stands.
class RedcapAllocationTable : public AllocationTable {
 public:
  RedcapAllocationTable(const StudyDesign& design, const RedcapTableSpec& spec, ListTextSink& sink);
};

}  // namespace zufora
