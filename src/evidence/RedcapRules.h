#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "design/StudyDesign.h"
#include "evidence/AllocationRows.h"

namespace zufora {

// What REDCap's allocation table upload accepts (its randomization module's rules, and
// the column order of the template it offers for download):
//   redcap_randomization_number   the randomisation number; needed for concealed
//                                 allocation, optional (unchecked, may be empty) for open
//   redcap_randomization_group    the target field's choice code
//   <stratification field>...     one column each under the field's name, a choice code
//   redcap_data_access_group      REDCap's numeric id of the data access group
// Every value but the number must be non-empty and a valid choice; blank rows are dropped.
inline constexpr char kRedcapNumberColumn[] = "redcap_randomization_number";
inline constexpr char kRedcapGroupColumn[] = "redcap_randomization_group";
inline constexpr char kRedcapDataAccessGroupColumn[] = "redcap_data_access_group";

// The randomisation number of each row, for the number column; without one the column
// stays empty (open allocation).
class RandomizationNumbers {
 public:
  virtual ~RandomizationNumbers() = default;
  virtual std::string NumberOf(const AllocationRow& row) = 0;
};

// How a design's lists become a REDCap allocation table. Texts are cp1252.
struct RedcapTableRequest {
  // The code of each arm; empty: the arm numbers.
  std::map<std::int32_t, std::string> arm_codes;
  // With per-centre lists: the stratification field whose codes are the centre numbers.
  std::optional<std::string> centre_field;
  // With per-centre lists: REDCap's data access group id of each centre number (as typed
  // in the centre table), for the redcap_data_access_group column.
  std::map<std::string, std::int64_t> group_ids;
  // The number column's content; none: empty.
  RandomizationNumbers* numbers = nullptr;
};

// A code REDCap takes as a choice: ASCII letters, digits and underscores, or an integer
// with an optional leading minus.
bool IsPlainCode(std::string_view text);
// A name REDCap takes for a field: lowercase letters, digits and underscores, beginning
// with a letter, at most 100 characters.
bool IsRedcapFieldName(std::string_view name);

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

// Why the design's lists cannot become an uploadable table with `request`, in words for the
// user (cp1252); none when they can. Checked before anything is drawn: the arm codes,
// the factors' field names (REDCap's variable names, apart from the other columns) and
// level codes, the centre field's name, and for per-centre lists that every centre maps to one
// stratum of its own (a group id or a code of the field), and no option that needs centres without
// them.
std::optional<std::string> RedcapTableProblem(const StudyDesign& design,
                                              const RedcapTableRequest& request);

// The centre rows of a per-centre design as its centre count field gives them (none when
// it cannot be read; the generation's checks refuse it then).
std::int32_t DesignCentreRows(const StudyDesign& design);

}  // namespace zufora
