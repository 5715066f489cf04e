#include "text/IntegerText.h"

namespace zufora {
namespace {

std::optional<unsigned> DigitValue(char c, unsigned base) {
  unsigned value = base;
  if (c >= '0' && c <= '9') {
    value = static_cast<unsigned>(c - '0');
  } else if (base == 16 && c >= 'a' && c <= 'f') {
    value = static_cast<unsigned>(c - 'a' + 10);
  } else if (base == 16 && c >= 'A' && c <= 'F') {
    value = static_cast<unsigned>(c - 'A' + 10);
  }
  if (value >= base) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) {
    return std::nullopt;
  }
  // The magnitude is bounded by 2^31 (the magnitude of the smallest value).
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const auto digit = DigitValue(text[i], base);
    if (!digit) {
      return std::nullopt;
    }
    magnitude = magnitude * base + *digit;
    if (magnitude > kLimit) {
      return std::nullopt;
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseIntegerOrZero(std::string_view text) {
  return ParseIntegerText(text).value_or(0);
}

}  // namespace zufora
