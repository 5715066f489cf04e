#include "evidence/KnownValueDesign.h"

#include <stdexcept>

namespace zufora {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) {
      return parts;
    }
    start = end + 1;
  }
}

const std::string& Field(const Fields& fields, const std::string& key) {
  const auto found = fields.find(key);
  if (found == fields.end()) {
    throw std::invalid_argument("no " + key + "=");
  }
  return found->second;
}

StudyDesign KnownValueDesign(const Fields& fields) {
  StudyDesign design;
  design.study_name = "Selbsttest";
  const std::vector<std::string> ratios = Split(Field(fields, "arms"), ',');
  const auto arms = static_cast<std::int32_t>(ratios.size());
  design.arm_count = std::to_string(arms);
  design.sample_size = Field(fields, "patients");
  design.seed = Field(fields, "seed");
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmDescriptionColumn, r, "Arm " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, ratios[static_cast<std::size_t>(r - 1)]);
  }
  design.checked.arm_count = arms;
  design.checked.sample_size = std::stoi(design.sample_size);
  const std::vector<std::string> blocks = Split(Field(fields, "blocks"), ':');
  if (blocks[0] == "fixed" && blocks.size() == 2) {
    design.block_mode = BlockSizeMode::Fixed;
    design.fixed_block_size = blocks[1];
  } else if (blocks[0] == "variable" && blocks.size() == 3) {
    design.block_mode = BlockSizeMode::Variable;
    design.min_block_size = blocks[1];
    design.max_block_size = blocks[2];
  } else {
    throw std::invalid_argument("blocks= is fixed:F or variable:MIN:MAX");
  }
  if (const auto centres = fields.find("centres"); centres != fields.end()) {
    std::vector<std::string> sizes;
    if (const auto star = centres->second.find('*'); star != std::string::npos) {
      sizes.assign(static_cast<std::size_t>(std::stoi(centres->second.substr(0, star))),
                   centres->second.substr(star + 1));
    } else {
      sizes = Split(centres->second, ',');
    }
    const auto count = static_cast<std::int32_t>(sizes.size());
    design.per_centre_lists = true;
    design.centre_count = std::to_string(count);
    design.centres.SetRowCount(count + 1);
    for (std::int32_t c = 1; c <= count; ++c) {
      design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
      design.centres.SetCell(kCentreSampleSizeColumn, c, sizes[static_cast<std::size_t>(c - 1)]);
    }
    design.checked.centre_count = count;
  }
  return design;
}

bool AcceptsMisfits(const Fields& fields) {
  const auto misfits = fields.find("misfits");
  return misfits != fields.end() && misfits->second == "accept";
}

}  // namespace zufora
