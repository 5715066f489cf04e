#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "random/ListPlan.h"
#include "text/DammCheckDigit.h"

namespace zufora {

// How the allocations of a generation are numbered, as --numbers, --number-format and
// --check-digit ask.
struct NumberingOptions {
  bool random = false;       // unique numbers drawn from a range; else 1, 2, 3, ...
  std::string format;        // e.g. "R-{0000}"; empty for plain digits
  bool check_digit = false;  // a Damm digit after the digits
};

// The most digits a number may have (its value stays below 2^63).
inline constexpr int kMaxNumberDigits = 18;

// Why `format` is no number format, or none when it is one. A format is a prefix, one
// group of zeros in braces whose count is the number's digit count (zero-padded), and a
// suffix: "R-{0000}", "{00000}/A". Prefix and suffix hold letters, digits, '-', '_', '.'
// and '/'; the prefix begins with no '-' and ends with no digit, and the suffix begins
// with no digit, so that the digits of a number stand apart.
std::optional<std::string> NumberFormatProblem(std::string_view format);

// Why the allocations of a generation cannot be numbered so, or none when they can: a
// format that is none, or whose digits cannot hold the largest number.
std::optional<std::string> NumberingProblem(const NumberingOptions& options,
                                            std::int64_t allocation_count);

// The randomisation number of each allocation of a generation, by its 0-based index in
// study order (the lists in the order they are drawn: centres or strata in their order,
// then the patients of each list in list order).
//
// Sequential numbers are index + 1. Random numbers are unique and drawn uniformly from
// 1 .. 10^d - 1, where d is the larger of the format's digit count and the smallest k with
// 10^k >= 10 x allocation_count (so at most a tenth of the range is used). They come from
// a stream of their own, which never touches the list generator, so numbering leaves
// every allocation as the seed draws it: std::mt19937_64 seeded with
// kNumberStreamSalt XOR K, where K is the key the list generator starts from (|seed|, or
// 1 for the seeds 0 and -2^31), so that seeds that draw the same lists number them alike.
// Each number is 1 + x mod (10^d - 1) for the next output x below the largest multiple of
// 10^d - 1 that fits 64 bits (others are skipped), a number drawn before is skipped too.
//
// The default format is plain digits, zero-padded to as many as the largest possible
// number needs. A check digit (Damm) follows the digits, before the suffix.
class RandomisationNumbering {
 public:
  static constexpr std::uint64_t kNumberStreamSalt = 0x52616E646F6D4E6FULL;  // "RandomNo"

  // Throws std::invalid_argument when NumberingProblem names a problem.
  RandomisationNumbering(const NumberingOptions& options, std::int64_t allocation_count,
                         StudySeed seed);

  // The number of allocation `index` (0 <= index < Count()) as it is written.
  std::string Number(std::int64_t index) const;
  // Its value, without prefix, padding, check digit or suffix.
  std::int64_t Value(std::int64_t index) const;

  std::int64_t Count() const { return count_; }
  int Digits() const { return digits_; }  // without the check digit
  // The largest value a number can have: the count, or 10^d - 1 for random numbers.
  std::int64_t Largest() const { return largest_; }

 private:
  std::int64_t count_ = 0;
  int digits_ = 1;
  std::int64_t largest_ = 0;
  bool check_digit_ = false;
  std::string prefix_;
  std::string suffix_;
  std::vector<std::int64_t> drawn_;  // random numbers by index; empty when sequential
};

}  // namespace zufora
