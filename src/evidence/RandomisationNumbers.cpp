#include "evidence/RandomisationNumbers.h"

#include <algorithm>
#include <limits>
#include <random>
#include <stdexcept>
#include <variant>

#include "random/TestListSeed.h"

namespace zufora {
namespace {

struct NumberFormat {
  std::string prefix;
  int digits = 0;  // 0: as many as the largest number needs
  std::string suffix;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAffixCharacter(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_' ||
         c == '.' || c == '/';
}

std::variant<NumberFormat, std::string> ParseFormat(std::string_view format) {
  if (format.empty()) {
    return NumberFormat{};
  }
  const std::string quoted = "the number format \"" + std::string(format) + "\" ";
  const std::size_t open = format.find('{');
  const std::size_t close = format.find('}');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    return quoted + "needs a group of zeros in braces, e.g. R-{0000}";
  }
  if (format.find('{', open + 1) != std::string_view::npos ||
      format.find('}', close + 1) != std::string_view::npos) {
    return quoted + "has more than one group in braces";
  }
  const std::string_view zeros = format.substr(open + 1, close - open - 1);
  if (zeros.empty() || zeros.find_first_not_of('0') != std::string_view::npos) {
    return quoted + "needs only zeros between the braces, one for each digit";
  }
  if (zeros.size() > static_cast<std::size_t>(kMaxNumberDigits)) {
    return quoted + "asks for more than " + std::to_string(kMaxNumberDigits) + " digits";
  }
  NumberFormat parsed{std::string(format.substr(0, open)), static_cast<int>(zeros.size()),
                      std::string(format.substr(close + 1))};
  for (const std::string& affix : {parsed.prefix, parsed.suffix}) {
    for (const char c : affix) {
      if (!IsAffixCharacter(c)) {
        return quoted + "may hold only letters, digits, '-', '_', '.' and '/' around the braces";
      }
    }
  }
  if (!parsed.prefix.empty() && parsed.prefix.front() == '-') {
    return quoted + "begins with '-', which a spreadsheet reads as a formula";
  }
  if (!parsed.prefix.empty() && IsDigit(parsed.prefix.back())) {
    return quoted + "has a digit right before the braces, which would run into the number";
  }
  if (!parsed.suffix.empty() && IsDigit(parsed.suffix.front())) {
    return quoted + "has a digit right after the braces, which would run into the number";
  }
  return parsed;
}

int DigitCount(std::int64_t value) {
  int digits = 1;
  for (; value >= 10; value /= 10) {
    ++digits;
  }
  return digits;
}

// The smallest k with 10^k >= 10 * count, at least 1.
int RandomRangeDigits(std::int64_t count) {
  return count <= 1 ? 1 : DigitCount(count - 1) + 1;
}

std::int64_t PowerOfTen(int exponent) {
  std::int64_t power = 1;
  for (int i = 0; i < exponent; ++i) {
    power *= 10;
  }
  return power;
}

// A set of positive numbers with room for `count`: open addressing in one array, so that
// memory stays a few words per number.
class DrawnSet {
 public:
  explicit DrawnSet(std::int64_t count) {
    while ((std::uint64_t{1} << bits_) < static_cast<std::uint64_t>(count) * 2) {
      ++bits_;
    }
    slots_.assign(std::size_t{1} << bits_, 0);
  }

  // False when `value` (> 0) was there already.
  bool Insert(std::uint64_t value) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = (value * 0x9E3779B97F4A7C15ULL) >> (64 - bits_);;
         slot = (slot + 1) & mask) {
      if (slots_[slot] == value) {
        return false;
      }
      if (slots_[slot] == 0) {
        slots_[slot] = value;
        return true;
      }
    }
  }

 private:
  int bits_ = 1;
  std::vector<std::uint64_t> slots_;
};

}  // namespace

std::optional<std::string> NumberFormatProblem(std::string_view format) {
  auto parsed = ParseFormat(format);
  if (auto* problem = std::get_if<std::string>(&parsed)) {
    return std::move(*problem);
  }
  return std::nullopt;
}

std::optional<std::string> NumberingProblem(const NumberingOptions& options,
                                            std::int64_t allocation_count) {
  if (allocation_count < 0) {
    return std::string("a negative count of allocations has no numbers");
  }
  auto parsed = ParseFormat(options.format);
  if (auto* problem = std::get_if<std::string>(&parsed)) {
    return std::move(*problem);
  }
  const int digits = std::get<NumberFormat>(parsed).digits;
  const int needed = options.random ? RandomRangeDigits(allocation_count)
                                    : DigitCount(std::max<std::int64_t>(allocation_count, 1));
  if (digits != 0 && digits < needed) {
    return "the number format \"" + options.format + "\" has " + std::to_string(digits) +
           " digits; " + (options.random ? "random numbers for " : "") +
           std::to_string(allocation_count) + " allocations need " + std::to_string(needed);
  }
  return std::nullopt;
}

RandomisationNumbering::RandomisationNumbering(const NumberingOptions& options,
                                               std::int64_t allocation_count, StudySeed seed)
    : count_(allocation_count), check_digit_(options.check_digit) {
  if (auto problem = NumberingProblem(options, allocation_count)) {
    throw std::invalid_argument(*problem);
  }
  auto format = std::get<NumberFormat>(ParseFormat(options.format));
  prefix_ = std::move(format.prefix);
  suffix_ = std::move(format.suffix);
  if (!options.random) {
    largest_ = allocation_count;
    digits_ = format.digits != 0 ? format.digits : DigitCount(std::max<std::int64_t>(count_, 1));
    return;
  }
  digits_ = std::max(format.digits, RandomRangeDigits(count_));
  largest_ = PowerOfTen(digits_) - 1;
  const auto range = static_cast<std::uint64_t>(largest_);
  const std::uint64_t accepted_below = std::numeric_limits<std::uint64_t>::max() / range * range;
  std::mt19937_64 stream(kNumberStreamSalt ^
                         static_cast<std::uint32_t>(GeneratorKey(seed.state_word)));
  DrawnSet drawn(count_);
  drawn_.reserve(static_cast<std::size_t>(count_));
  while (static_cast<std::int64_t>(drawn_.size()) < count_) {
    const std::uint64_t x = stream();
    if (x >= accepted_below) {
      continue;
    }
    const std::uint64_t value = 1 + x % range;
    if (drawn.Insert(value)) {
      drawn_.push_back(static_cast<std::int64_t>(value));
    }
  }
}

std::int64_t RandomisationNumbering::Value(std::int64_t index) const {
  if (index < 0 || index >= count_) {
    throw std::out_of_range("no randomisation number " + std::to_string(index));
  }
  return drawn_.empty() ? index + 1 : drawn_[static_cast<std::size_t>(index)];
}

std::string RandomisationNumbering::Number(std::int64_t index) const {
  std::string digits = std::to_string(Value(index));
  if (digits.size() < static_cast<std::size_t>(digits_)) {
    digits.insert(0, static_cast<std::size_t>(digits_) - digits.size(), '0');
  }
  std::string number = prefix_ + digits;
  if (check_digit_) {
    number += DammDigit(digits);
  }
  return number + suffix_;
}

}  // namespace zufora
