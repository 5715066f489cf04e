#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zufora {

// What an integer text may hold besides an optional sign and decimal digits.
struct IntegerForm {
  bool leading_blanks = false;  // blanks (' ') before the sign
  bool hex = true;              // a hexadecimal number after "0x" or "0X"
  bool dollar_hex = false;      // ... or after "$"
};

// The one strict integer reading: the whole text, not empty, nothing after the digits.
// The magnitude saturates at 2^62, so that a number of any length still reads as a
// (too large) number; the rest of the text is checked all the same.
std::optional<std::int64_t> ParseWideInteger(std::string_view text, IntegerForm form);

// Integer text as fields hold it: optional leading blanks, an optional sign, then
// decimal digits or a hexadecimal number after "$" or "0x"/"0X". Nothing may follow,
// the value must lie in the signed 32-bit range, and an empty text is invalid.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// The lenient reading used for sums: a text that is no strict integer counts as 0.
std::int32_t ParseIntegerOrZero(std::string_view text);

}  // namespace zufora
