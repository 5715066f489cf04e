#pragma once

#include <optional>
#include <string>

#include "design/StudyDesign.h"
#include "evidence/AllocationTable.h"
#include "evidence/RedcapRules.h"
#include "random/ListTextSink.h"

namespace zufora {

// The program's two allocation tables. Arm descriptions and centre numbers are read from
// `design`, which must outlive the table.

// For any data capture or statistics system:
// [number,]centre,patient,arm,arm_description,block,block_size,position_in_block,stratum
// (the randomisation number first when `numbers` gives them; the centre number as typed
// in the centre table, empty for a single list; the stratum from 1 in stratum order,
// without factors the list's number in order), then for a stratified design one column
// per factor under its field name holding the level code, then list_seed (the seed that
// reproduces the row's list). Texts of the design are written by CsvField: a cell a
// spreadsheet would run as a formula is neutralised. `numbers` must outlive the table.
class CsvAllocationTable : public AllocationTable {
 public:
  CsvAllocationTable(const StudyDesign& design, ListTextSink& sink,
                     RandomizationNumbers* numbers = nullptr);
};

// The columns that every header row of CsvAllocationTable begins with (after the number
// column), in the order that the tables of earlier versions had as their whole header.
inline constexpr char kCsvTableHeader[] =
    "centre,patient,arm,arm_description,block,block_size,position_in_block";

// The site list of a blinded trial, which names no arm and no block:
// number,stratum,centre, then for a stratified design for each factor FIELD (the level
// code) and FIELD_label (the level's label). Written by CsvField like the CSV table.
class BlindedAllocationTable : public AllocationTable {
 public:
  BlindedAllocationTable(const StudyDesign& design, RandomizationNumbers& numbers,
                         ListTextSink& sink);
};

// The header row of BlindedAllocationTable begins so.
inline constexpr char kBlindedTableHeader[] = "number,stratum,centre";

// Why the design's factors cannot be columns of the CSV table (with the number column
// when `numbered`) or of the site list: a column name that is (in any case) the name of
// another column. None when they can.
std::optional<std::string> CsvTableProblem(const StudyDesign& design, bool numbered = false);
std::optional<std::string> BlindedTableProblem(const StudyDesign& design);

// For upload into REDCap's randomization module, in the column order of REDCap's
// template (see RedcapRules.h): redcap_randomization_number (from request.numbers, else
// empty), redcap_randomization_group (the arm's code), for a stratified design one column
// per factor under its field name holding the level code, with per-centre lists the centre
// field holding the centre number when request names one, and redcap_data_access_group
// holding the centre's group id when request gives ids. `request` must have passed
// RedcapTableProblem: every value is then a plain code, written as it stands.
class RedcapAllocationTable : public AllocationTable {
 public:
  RedcapAllocationTable(const StudyDesign& design, const RedcapTableRequest& request,
                        ListTextSink& sink);
};

}  // namespace zufora
