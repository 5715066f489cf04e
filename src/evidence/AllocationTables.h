#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "design/StudyDesign.h"
#include "evidence/AllocationRows.h"
#include "evidence/CsvRows.h"
#include "random/ListTextSink.h"

namespace zufora {

// Allocation tables for data capture, one row per patient in list order after a header
// row, as CSV (CsvRows), in cp1252 like every text of the design; the caller converts.
// Arm descriptions and centre numbers are read from `design`, which must outlive the
// table. Call Finish once the generation has ended.

// For any data capture or statistics system:
// centre,patient,arm,arm_description,block,block_size,position_in_block (the centre
// number as typed in the centre table, empty for a single list).
class CsvAllocationTable : public AllocationRowSink {
 public:
  CsvAllocationTable(const StudyDesign& design, ListTextSink& sink);

  void Row(const AllocationRow& row) override;
  void Finish() { rows_.Finish(); }

 private:
  const StudyDesign& design_;
  CsvRows rows_;
  std::vector<std::string> arm_fields_;  // by arm: "arm,description"
  std::optional<std::int32_t> centre_;
  std::string centre_field_;
};

// For upload into REDCap's randomization module: redcap_randomization_group, holding the
// arm's code (its number unless `arm_codes` names one), and with per-centre lists a
// stratum column named `centre_field` holding the centre number.
class RedcapAllocationTable : public AllocationRowSink {
 public:
  RedcapAllocationTable(const StudyDesign& design, std::map<std::int32_t, std::string> arm_codes,
                        const std::string& centre_field, ListTextSink& sink);

  void Row(const AllocationRow& row) override;
  void Finish() { rows_.Finish(); }

 private:
  const StudyDesign& design_;
  std::map<std::int32_t, std::string> arm_codes_;
  bool with_centre_;
  CsvRows rows_;
  std::vector<std::string> arm_fields_;  // by arm: the code as a field
  std::optional<std::int32_t> centre_;
  std::string centre_field_;
};

// Why arm codes do not suit a design whose arms are 1..arm_count.
struct ArmCodeProblem {
  enum class Kind {
    kMissing,  // `arm` has no code
    kTwice,    // `code` is given to two arms
    kBeyond,   // `arm` is beyond the design's arms
  };
  Kind kind;
  std::int32_t arm = 0;
  std::string code;
};
// The first problem, looking at the arms in order, then beyond them; none when every arm
// has a code of its own and no code names another arm.
std::optional<ArmCodeProblem> FindArmCodeProblem(const std::map<std::int32_t, std::string>& codes,
                                                 std::int32_t arm_count);

}  // namespace zufora
