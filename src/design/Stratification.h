#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zufora {

// One level of a stratification factor.
struct FactorLevel {
  std::string code;   // what data capture stores (EditStufeCode)
  std::string label;  // what people read, in the list headings (EditStufeBez)

  bool operator==(const FactorLevel&) const = default;
};

// A prognostic factor the lists are stratified by (sex, age group, disease stage).
struct StratificationFactor {
  std::string name;   // shown in the list headings (EditFaktorName)
  std::string field;  // the field name for data capture: letters, digits, underscore
  std::vector<FactorLevel> levels;

  bool operator==(const StratificationFactor&) const = default;
};

// The number of level combinations of the factors, the product of their level counts
// (1 for no factors), or limit + 1 as soon as it passes `limit` (>= 0), so that no
// product overflows.
std::int64_t LevelCombinations(const std::vector<StratificationFactor>& factors,
                               std::int64_t limit);

// Steps `levels` (one level index from 0 for each factor) to the next combination in
// stratum order, the last factor's level changing fastest; false, with every index back
// at 0, after the last combination.
bool NextCombination(const std::vector<StratificationFactor>& factors,
                     std::vector<std::int32_t>& levels);

}  // namespace zufora
