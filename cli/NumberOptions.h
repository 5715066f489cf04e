#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "evidence/RandomisationNumbers.h"

namespace zufora::cli {

// --numbers [sequential|random], --number-format FMT and --check-digit, as given.
struct NumberArguments {
  bool numbers = false;
  bool random = false;
  std::optional<std::string> format;
  bool check_digit = false;
};

// Takes arguments[i] (and its value, advancing i) when it is one of the number options.
// Returns false when it is none of them; sets `error` when it is but its value is wrong.
// --numbers takes a following "sequential" or "random" as its value.
bool TakeNumberOption(const std::vector<std::string>& arguments, std::size_t& i,
                      NumberArguments& numbers, std::string& error);

// The numbering asked for (none without --numbers), or why the options do not go together.
std::variant<std::optional<NumberingOptions>, std::string> NumberingOf(
    const NumberArguments& numbers);

inline constexpr char kNumberOptionsHelp[] =
    "  --numbers [sequential|random]  give every allocation a randomisation number:\n"
    "                     1, 2, 3, ... in study order (default), or unique numbers drawn\n"
    "                     from 1 to 10^d - 1 (at least ten times the patients) from a\n"
    "                     stream of their own; the allocations stay those of the seed\n"
    "  --number-format FMT  a prefix, zero-padded digits as zeros in braces and a\n"
    "                     suffix, e.g. R-{0000} (default: plain digits, as many as the\n"
    "                     largest number needs)\n"
    "  --check-digit      append a Damm check digit to each number's digits\n";

}  // namespace zufora::cli
