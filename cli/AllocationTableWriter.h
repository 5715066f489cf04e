#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "design/StudyDesign.h"
#include "random/ListConsumer.h"
#include "random/ListTextSink.h"

namespace zufora::cli {

// The allocation table for data capture systems, one row per patient in list order, as
// CSV (comma-separated, fields with a comma, quote or line break quoted, each row ended
// by CR LF), in cp1252 like every text of the design; the caller converts.
//
// Csv: centre,patient,arm,arm_description,block,block_size,position_in_block (the centre
// number as typed in the centre table, empty for a single list; blocks counted from 1
// in each list, positions from 1 in each block).
// Redcap: redcap_randomization_group, holding the arm's code (its number unless
// `arm_codes` names one), and with per-centre lists a stratum column named
// `centre_field` holding the centre number.
class AllocationTableWriter : public ListConsumer {
 public:
  enum class Kind { kCsv, kRedcap };

  AllocationTableWriter(Kind kind, const StudyDesign& design,
                        std::map<std::int32_t, std::string> arm_codes,
                        const std::string& centre_field, ListTextSink& sink);

  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

  // Hands what is still buffered to the sink.
  void Finish();

 private:
  const std::string& ArmField(std::int32_t arm);
  void EndRow();

  Kind kind_;
  const StudyDesign& design_;
  std::map<std::int32_t, std::string> arm_codes_;
  bool with_centre_;
  ListTextSink& sink_;

  std::vector<std::string> arm_fields_;  // by arm: code (redcap) or "arm,description" (csv)
  std::string centre_;                    // the current list's centre field
  std::int32_t block_number_ = 0;
  std::string buffer_;
};

// A field as CSV writes it: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

}  // namespace zufora::cli
