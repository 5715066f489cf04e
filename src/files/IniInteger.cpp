#include "files/IniInteger.h"

namespace zufora {

std::optional<std::int64_t> ParseIniInteger(std::string_view text) {
  constexpr std::int64_t kSaturation = std::int64_t{1} << 62;
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t base = 10;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) {
    return std::nullopt;
  }
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    std::int64_t digit = base;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    }
    if (digit >= base) {
      return std::nullopt;
    }
    // Once saturated the value stays there; the rest of the text is still checked.
    magnitude =
        magnitude > (kSaturation - digit) / base ? kSaturation : magnitude * base + digit;
  }
  return negative ? -magnitude : magnitude;
}

std::int64_t GetIniInteger(const IniDocument& file, std::string_view section,
                           std::string_view key) {
  const auto value = file.Get(section, key);
  if (!value) {
    return 0;
  }
  return ParseIniInteger(*value).value_or(0);
}

bool GetIniFlag(const IniDocument& file, std::string_view section, std::string_view key) {
  return GetIniInteger(file, section, key) != 0;
}

}  // namespace zufora
