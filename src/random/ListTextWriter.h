#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/StudyDesign.h"
#include "random/ListConsumer.h"
#include "random/ListTextSink.h"

namespace zufora {

struct ListTextOptions {
  bool mark_blocks = true;  // CheckBoxBlocks "Blöcke markieren"
  bool show_seed = true;    // CheckBoxSeed "Seed ausgeben"
  std::string block_separator = "------- Block ------";
  std::string center_caption = "Zentrum";
  std::string stratum_caption = "Stratum";  // LabelStratum: strata without centres
  bool test_list = false;                   // a test list: its title ends with kTestListMark
};

// What the title line of a test list ends with, in every language, so that a test list
// printed or passed on cannot be taken for the production one.
inline constexpr char kTestListMark[] = " - TEST";

// The one writer of the list text: cp1252 lines, each ended by LF. The title line; for a
// single list the seed note "Seed: (S)" (or an empty line); for each centre's list the
// heading "CAPTION NUMBER<TAB>DESCRIPTION - Seed: (S)"; then one line per patient,
// "PATIENT<TAB>ARM<TAB>DESCRIPTION", and the block separator after each block.
//
// A stratum's list has the heading of its centre with " - FACTOR: LEVEL" for each factor
// before the seed note, "Zentrum 101<TAB>Klinik Nord - Geschlecht: weiblich - Alter: < 65
// - Seed: (S)"; without centres "STRATUM N<TAB>FACTOR: LEVEL - FACTOR: LEVEL - Seed: (S)",
// N the stratum's number. Without "Seed ausgeben" a heading ends before " - Seed".
//
// It writes while the lists are drawn (or replayed, see ListText.h), in parts of whole
// lines, so that its memory does not grow with the patients. Arm descriptions, centre
// numbers and descriptions, factor names and level labels are read from `design`, which
// must outlive the writer and not change while it writes. Call Finish once the
// generation has ended.
class ListTextWriter : public ListConsumer {
 public:
  ListTextWriter(const StudyDesign& design, const ListTextOptions& options, ListTextSink& sink);

  void Title(const std::string& study_name) override;
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

  // Hands what is still buffered to the sink.
  void Finish();

 private:
  // What follows the patient number on an allocation line of an arm: TAB, arm number,
  // TAB, description, LF; kept with slack so that short ones copy in one fixed move.
  struct Tail {
    std::string bytes;
    std::size_t length = 0;
  };

  // "FACTOR: LEVEL" of a stratum heading.
  void AppendLevel(std::size_t factor, std::int32_t level, std::string& line) const;
  const Tail& AddTails(std::int32_t arm);
  void Append(std::string_view text);
  void MakeRoom(std::size_t bytes);
  void Flush();

  const StudyDesign& design_;
  ListTextOptions options_;
  ListTextSink& sink_;

  std::vector<Tail> tails_;
  std::string buffer_;
  std::size_t used_ = 0;

  // Patient numbers are written right-aligned before this place of a digit buffer.
  static constexpr std::size_t kNumberEnd = 16;
};

}  // namespace zufora
