// Integer text, strict and lenient, and the INI integers, each against a plain reference
// written from their contracts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "FuzzCheck.h"
#include "files/IniInteger.h"
#include "text/IntegerText.h"

namespace {

int Digit(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < base ? value : -1;
}

struct Reading {
  bool valid = false;
  bool negative = false;
  __int128 magnitude = 0;  // saturated far above every range in question
};

// Sign, then decimal digits, or hexadecimal ones after any of the given prefixes; the
// whole rest of the text.
Reading Read(std::string_view text, bool dollar) {
  Reading reading;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    reading.negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (dollar && i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X") {
    base = 16;
    i += 2;
  }
  if (i == text.size()) {
    return reading;
  }
  constexpr __int128 kCap = static_cast<__int128>(1) << 100;
  for (; i < text.size(); ++i) {
    const int digit = Digit(text[i], base);
    if (digit < 0) {
      return reading;
    }
    reading.magnitude = reading.magnitude * base + digit;
    if (reading.magnitude > kCap) {
      reading.magnitude = kCap;
    }
  }
  reading.valid = true;
  return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // Strict: leading blanks (spaces), then the number, which must lie in 32 bits.
  std::size_t blanks = 0;
  while (blanks < text.size() && text[blanks] == ' ') {
    ++blanks;
  }
  const Reading strict = Read(text.substr(blanks), true);
  std::optional<std::int32_t> expected;
  if (strict.valid) {
    const __int128 value = strict.negative ? -strict.magnitude : strict.magnitude;
    if (value >= INT32_MIN && value <= INT32_MAX) {
      expected = static_cast<std::int32_t>(value);
    }
  }
  FUZZ_CHECK(zufora::ParseIntegerText(text) == expected);
  FUZZ_CHECK(zufora::ParseIntegerOrZero(text) == expected.value_or(0));

  // INI integers: no blanks, no "$", any length, saturating at +-2^62.
  const Reading ini = Read(text, false);
  std::optional<std::int64_t> ini_expected;
  if (ini.valid) {
    constexpr __int128 kTop = static_cast<__int128>(1) << 62;
    const auto magnitude = static_cast<std::int64_t>(ini.magnitude < kTop ? ini.magnitude : kTop);
    ini_expected = ini.negative ? -magnitude : magnitude;
  }
  FUZZ_CHECK(zufora::ParseIniInteger(text) == ini_expected);
  return 0;
}
