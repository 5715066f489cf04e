#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zufora {

// Strict integer text: optional leading blanks, an optional sign, then decimal digits
// or a hexadecimal number after "$" or "0x"/"0X". Nothing may follow, the value must lie
// in the signed 32-bit range, and an empty text is invalid.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// The lenient reading used for sums: a text that is no strict integer counts as 0.
std::int32_t ParseIntegerOrZero(std::string_view text);

}  // namespace zufora
