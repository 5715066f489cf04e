#include "random/ListTextBound.h"

#include <algorithm>
#include <limits>

#include "design/StudyDesign.h"

namespace zufora {

std::uint64_t LongestAllocationLine(const TextGrid& arms, std::int32_t arm_count) {
  std::size_t longest_description = 0;
  for (std::int32_t arm = 1; arm <= arm_count; ++arm) {
    longest_description =
        std::max(longest_description, arms.Cell(kArmDescriptionColumn, arm).size());
  }
  return 18 + static_cast<std::uint64_t>(longest_description);
}

std::uint64_t AllocationLinesBound(std::int64_t patients, const TextGrid& arms,
                                   std::int32_t arm_count) {
  const std::uint64_t line = LongestAllocationLine(arms, arm_count);
  const auto count = static_cast<std::uint64_t>(std::max<std::int64_t>(patients, 0));
  return count > std::numeric_limits<std::uint64_t>::max() / line
             ? std::numeric_limits<std::uint64_t>::max()
             : count * line;
}

}  // namespace zufora
