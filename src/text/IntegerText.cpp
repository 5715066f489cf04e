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

std::optional<std::int64_t> ParseWideInteger(std::string_view text, IntegerForm form) {
  constexpr std::int64_t kSaturation = std::int64_t{1} << 62;
  std::size_t i = 0;
  while (form.leading_blanks && i < text.size() && text[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  unsigned base = 10;
  if (form.hex && form.dollar_hex && i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (form.hex && i + 1 < text.size() && text[i] == '0' &&
             (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) {
    return std::nullopt;
  }
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const auto digit = DigitValue(text[i], base);
    if (!digit) {
      return std::nullopt;
    }
    // Once saturated the value stays there.
    magnitude = magnitude > (kSaturation - *digit) / base ? kSaturation : magnitude * base + *digit;
  }
  return negative ? -magnitude : magnitude;
}

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  const auto value =
      ParseWideInteger(text, {.leading_blanks = true, .hex = true, .dollar_hex = true});
  if (!value || *value < INT32_MIN || *value > INT32_MAX) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*value);
}

std::int32_t ParseIntegerOrZero(std::string_view text) {
  return ParseIntegerText(text).value_or(0);
}

}  // namespace zufora
