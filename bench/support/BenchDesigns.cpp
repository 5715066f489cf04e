#include "support/BenchDesigns.h"

namespace zufora::bench {

StudyDesign ListDesign(const std::vector<std::string>& ratios, std::int32_t patients) {
  StudyDesign design;
  design.study_name = "Benchmark";
  design.arm_count = std::to_string(ratios.size());
  design.sample_size = std::to_string(patients);
  design.seed = "20261208";
  const auto arms = static_cast<std::int32_t>(ratios.size());
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmDescriptionColumn, r, "Therapie " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, ratios[static_cast<std::size_t>(r - 1)]);
  }
  design.checked.arm_count = arms;
  design.checked.sample_size = patients;
  return design;
}

StudyDesign TwoArmsVariable(std::int32_t patients) {
  StudyDesign design = ListDesign({"1", "1"}, patients);
  design.block_mode = BlockSizeMode::Variable;
  design.min_block_size = "4";
  design.max_block_size = "8";
  return design;
}

StudyDesign FourArmsFixed(std::int32_t patients) {
  StudyDesign design = ListDesign({"1", "1", "1", "2"}, patients);
  design.fixed_block_size = "10";
  return design;
}

StudyDesign ThousandPatientCentres(std::int32_t patients) {
  constexpr std::int32_t kPerCentre = 1000;
  StudyDesign design = TwoArmsVariable(patients);
  const std::int32_t centres = patients / kPerCentre;
  design.per_centre_lists = true;
  design.centre_count = std::to_string(centres);
  design.centres.SetRowCount(centres + 1);
  for (std::int32_t c = 1; c <= centres; ++c) {
    design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
    design.centres.SetCell(kCentreDescriptionColumn, c, "Klinik " + std::to_string(c));
    design.centres.SetCell(kCentreSampleSizeColumn, c, std::to_string(kPerCentre));
  }
  return design;
}

StudyDesign StratifiedCentres(std::int32_t patients, std::int32_t stratum_length) {
  constexpr std::int32_t kCombinations = 2 * 5;
  StudyDesign design = TwoArmsVariable(patients);
  const std::int32_t centres = patients / (stratum_length * kCombinations);
  design.per_centre_lists = true;
  design.centre_count = std::to_string(centres);
  design.centres.SetRowCount(centres + 1);
  for (std::int32_t c = 1; c <= centres; ++c) {
    design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
    design.centres.SetCell(kCentreDescriptionColumn, c, "Klinik " + std::to_string(c));
    design.centres.SetCell(kCentreSampleSizeColumn, c, std::to_string(stratum_length));
  }
  design.stratified = true;
  design.factors = {{"Geschlecht", "sex", {{"w", "weiblich"}, {"m", "maennlich"}}},
                    {"Alter", "age_group", {}}};
  for (const char* group : {"< 30", "30-44", "45-59", "60-74", ">= 75"}) {
    design.factors[1].levels.push_back(
        {std::to_string(design.factors[1].levels.size() + 1), group});
  }
  return design;
}

}  // namespace zufora::bench
