#include "random/ListText.h"

#include <algorithm>
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

// What follows the patient number on an allocation line of each arm:
// TAB, arm number, TAB, description, LF. Built once per list text.
std::vector<std::string> AllocationLineTails(const GenerationResult& result,
                                             const StudyDesign& design) {
  std::int32_t highest = 0;
  for (const RandomizationList& list : result.lists) {
    for (const Allocation& allocation : list.allocations) {
      highest = allocation.arm > highest ? allocation.arm : highest;
    }
  }
  std::vector<std::string> tails(static_cast<std::size_t>(highest) + 1);
  for (std::int32_t arm = 1; arm <= highest; ++arm) {
    std::string& tail = tails[static_cast<std::size_t>(arm)];
    tail += '\t';
    AppendNumber(tail, arm);
    tail += '\t';
    tail += design.arms.Cell(kArmDescriptionColumn, arm);
    tail += '\n';
  }
  return tails;
}

std::size_t DecimalLength(std::int32_t value) {
  char digits[12];
  return static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr -
                                  digits);
}

// The bytes of the allocation lines and separators of one list.
std::size_t AllocationBytes(const RandomizationList& list, const std::vector<std::string>& tails,
                            const ListTextOptions& options) {
  std::size_t size = 0;
  for (const Allocation& allocation : list.allocations) {
    size += DecimalLength(allocation.patient_number) +
            tails[static_cast<std::size_t>(allocation.arm)].size();
    if (allocation.ends_block && options.mark_blocks) {
      size += options.block_separator.size() + 1;
    }
  }
  return size;
}

// The allocation lines and separators of one list, written into a buffer sized for them
// exactly beforehand: the bulk of the text, so it avoids any per-character bookkeeping.
void AppendAllocations(std::string& text, const RandomizationList& list, std::size_t size,
                       const std::vector<std::string>& tails, const ListTextOptions& options) {
  const std::string& separator = options.block_separator;
  const std::size_t start = text.size();
  text.resize(start + size);
  char* out = text.data() + start;
  char* const end = text.data() + text.size();
  for (const Allocation& allocation : list.allocations) {
    out = std::to_chars(out, end, allocation.patient_number).ptr;
    const std::string& tail = tails[static_cast<std::size_t>(allocation.arm)];
    out = std::copy(tail.begin(), tail.end(), out);
    if (allocation.ends_block && options.mark_blocks) {
      out = std::copy(separator.begin(), separator.end(), out);
      *out++ = '\n';
    }
  }
}

}  // namespace

namespace {

// The bytes of a list's first line: the seed note (or nothing) without centres, else the
// centre heading; with its LF.
std::size_t HeadingBytes(const RandomizationList& list, const StudyDesign& design,
                         const ListTextOptions& options) {
  std::size_t size = 1;
  if (options.show_seed) {
    size += (list.centre ? 3 : 0) + 8 + DecimalLength(list.seed);
  }
  if (list.centre) {
    size += options.center_caption.size() + 2 +
            design.centres.Cell(kCentreNumberColumn, *list.centre).size() +
            design.centres.Cell(kCentreDescriptionColumn, *list.centre).size();
  }
  return size;
}

}  // namespace

std::uint64_t ListTextSize(const GenerationResult& result, const StudyDesign& design,
                           const ListTextOptions& options) {
  if (result.leaves_list_empty) {
    return 0;
  }
  const auto tails = AllocationLineTails(result, design);
  std::uint64_t total = result.study_name.size() + 1;
  for (const RandomizationList& list : result.lists) {
    total += HeadingBytes(list, design, options) + AllocationBytes(list, tails, options);
  }
  return total;
}

std::string RenderListText(const GenerationResult& result, const StudyDesign& design,
                           const ListTextOptions& options) {
  std::string text;
  if (result.leaves_list_empty) {
    return text;
  }
  const auto tails = AllocationLineTails(result, design);
  std::vector<std::size_t> allocation_bytes;
  std::size_t total = result.study_name.size() + 1;
  for (const RandomizationList& list : result.lists) {
    allocation_bytes.push_back(AllocationBytes(list, tails, options));
    total += allocation_bytes.back() + HeadingBytes(list, design, options);
  }
  text.reserve(total);

  text += result.study_name;
  text += '\n';
  for (std::size_t i = 0; i < result.lists.size(); ++i) {
    const RandomizationList& list = result.lists[i];
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
    AppendAllocations(text, list, allocation_bytes[i], tails, options);
  }
  return text;
}

}  // namespace zufora
