#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "files/IniDocument.h"

namespace zufora {

// The integer keys of a design file (Anzahl, Multicenter, Fix): a decimal integer, or a
// hexadecimal one after the prefix 0x (or 0X), each after an optional sign; nothing may
// follow, so "12abc" is no integer. Blanks around the value are dropped by the INI
// reading already. Values of any length are accepted and saturate at +-2^62, so that a
// count far beyond every limit still reads as a (too large) count and not as 0.
std::optional<std::int64_t> ParseIniInteger(std::string_view text);

// A key read as such an integer; a missing key or a value that is no integer gives 0.
std::int64_t GetIniInteger(const IniDocument& file, std::string_view section, std::string_view key);

// A flag: on when its integer is not 0; missing or no integer reads as off.
bool GetIniFlag(const IniDocument& file, std::string_view section, std::string_view key);

}  // namespace zufora
