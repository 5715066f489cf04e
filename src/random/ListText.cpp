#include "random/ListText.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace zufora {
namespace {

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void AppendSeedNote(std::string& out, std::int32_t seed) {
  out += "Seed: (";
  AppendNumber(out, seed);
  out += ')';
}

// Arm descriptions by arm number, looked up once per list text.
std::vector<std::string_view> ArmDescriptions(const StudyDesign& design, std::int32_t arms) {
  std::vector<std::string_view> descriptions(static_cast<std::size_t>(arms) + 1);
  for (std::int32_t arm = 1; arm <= arms; ++arm) {
    descriptions[static_cast<std::size_t>(arm)] = design.arms.Cell(kArmDescriptionColumn, arm);
  }
  return descriptions;
}

std::int32_t HighestArm(const GenerationResult& result) {
  std::int32_t highest = 0;
  for (const RandomizationList& list : result.lists) {
    for (const Allocation& allocation : list.allocations) {
      highest = allocation.arm > highest ? allocation.arm : highest;
    }
  }
  return highest;
}

std::size_t EstimatedSize(const GenerationResult& result, const ListTextOptions& options,
                          const std::vector<std::string_view>& descriptions) {
  std::size_t longest = 0;
  for (const std::string_view description : descriptions) {
    longest = description.size() > longest ? description.size() : longest;
  }
  std::size_t size = result.study_name.size() + 64;
  for (const RandomizationList& list : result.lists) {
    size += 64 + list.allocations.size() * (longest + 16);
    if (options.mark_blocks) {
      size += list.block_sizes.size() * (options.block_separator.size() + 1);
    }
  }
  return size;
}

}  // namespace

std::string RenderListText(const GenerationResult& result, const StudyDesign& design,
                           const ListTextOptions& options) {
  std::string text;
  if (result.leaves_list_empty) {
    return text;
  }
  const auto descriptions = ArmDescriptions(design, HighestArm(result));
  text.reserve(EstimatedSize(result, options, descriptions));

  text += result.study_name;
  text += '\n';
  for (const RandomizationList& list : result.lists) {
    if (!list.centre) {
      if (options.show_seed) {
        AppendSeedNote(text, list.seed);
      }
      text += '\n';
    } else {
      text += options.center_caption;
      text += ' ';
      text += design.centres.Cell(kCentreNumberColumn, *list.centre);
      text += '\t';
      text += design.centres.Cell(kCentreDescriptionColumn, *list.centre);
      if (options.show_seed) {
        text += " - ";
        AppendSeedNote(text, list.seed);
      }
      text += '\n';
    }
    for (const Allocation& allocation : list.allocations) {
      AppendNumber(text, allocation.patient_number);
      text += '\t';
      AppendNumber(text, allocation.arm);
      text += '\t';
      text += descriptions[static_cast<std::size_t>(allocation.arm)];
      text += '\n';
      if (allocation.ends_block && options.mark_blocks) {
        text += options.block_separator;
        text += '\n';
      }
    }
  }
  return text;
}

}  // namespace zufora
