#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/StudyDesign.h"

namespace zufora::testing {

struct CentreRow {
  std::string number;
  std::string description;
  std::string sample_size;
};

// A design as the pages hold it after the design page check has run: arm rows with
// labels, descriptions "Arm-i" and the given ratios, and the checked numbers set.
inline StudyDesign MakeDesign(std::vector<std::string> ratios, std::string sample_size,
                              std::string seed) {
  StudyDesign design;
  design.study_name = "Studie";
  design.arm_count = std::to_string(ratios.size());
  design.sample_size = sample_size;
  design.seed = std::move(seed);
  const auto arms = static_cast<std::int32_t>(ratios.size());
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmLabelColumn, r, "Arm " + std::to_string(r));
    design.arms.SetCell(kArmDescriptionColumn, r, "Arm-" + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, ratios[static_cast<std::size_t>(r - 1)]);
  }
  design.checked.arm_count = arms;
  design.checked.sample_size = std::stoi(sample_size);
  return design;
}

inline void SetFixed(StudyDesign& design, std::string size) {
  design.block_mode = BlockSizeMode::Fixed;
  design.fixed_block_size = std::move(size);
}

inline void SetVariable(StudyDesign& design, std::string minimum, std::string maximum) {
  design.block_mode = BlockSizeMode::Variable;
  design.min_block_size = std::move(minimum);
  design.max_block_size = std::move(maximum);
}

inline void SetCentres(StudyDesign& design, const std::vector<CentreRow>& centres) {
  design.per_centre_lists = true;
  design.centre_count = std::to_string(centres.size());
  const auto count = static_cast<std::int32_t>(centres.size());
  design.centres.SetRowCount(count + 1);
  for (std::int32_t r = 1; r <= count; ++r) {
    const CentreRow& centre = centres[static_cast<std::size_t>(r - 1)];
    design.centres.SetCell(kCentreLabelColumn, r, "Zentrum " + std::to_string(r));
    design.centres.SetCell(kCentreNumberColumn, r, centre.number);
    design.centres.SetCell(kCentreDescriptionColumn, r, centre.description);
    design.centres.SetCell(kCentreSampleSizeColumn, r, centre.sample_size);
  }
  design.checked.centre_count = count;
}

// A factor whose levels are coded 1, 2, ... and carry the given labels.
inline StratificationFactor Factor(std::string name, std::string field,
                                   const std::vector<std::string>& labels) {
  StratificationFactor factor{std::move(name), std::move(field), {}};
  for (std::size_t l = 0; l < labels.size(); ++l) {
    factor.levels.push_back({std::to_string(l + 1), labels[l]});
  }
  return factor;
}

// Stratification on, by these factors, each stratum `length` long (empty: its default).
inline void SetStrata(StudyDesign& design, std::vector<StratificationFactor> factors,
                      std::string length = "") {
  design.stratified = true;
  design.factors = std::move(factors);
  design.stratum_length = std::move(length);
}

}  // namespace zufora::testing
