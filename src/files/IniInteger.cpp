#include "files/IniInteger.h"

#include "text/IntegerText.h"

namespace zufora {

std::optional<std::int64_t> ParseIniInteger(std::string_view text) {
  return ParseWideInteger(text, {.leading_blanks = false, .hex = true, .dollar_hex = false});
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
