#include "design/Stratification.h"

namespace zufora {

std::int64_t LevelCombinations(const std::vector<StratificationFactor>& factors,
                               std::int64_t limit) {
  std::int64_t combinations = 1;
  for (const StratificationFactor& factor : factors) {
    const auto levels = static_cast<std::int64_t>(factor.levels.size());
    if (levels == 0) {
      return 0;
    }
    // combinations <= limit here, so the product is only formed when it stays in range.
    if (combinations > limit / levels) {
      return limit + 1;
    }
    combinations *= levels;
  }
  return combinations > limit ? limit + 1 : combinations;
}

bool NextCombination(const std::vector<StratificationFactor>& factors,
                     std::vector<std::int32_t>& levels) {
  for (std::size_t f = factors.size(); f-- > 0;) {
    if (static_cast<std::size_t>(++levels[f]) < factors[f].levels.size()) {
      return true;
    }
    levels[f] = 0;
  }
  return false;
}

}  // namespace zufora
