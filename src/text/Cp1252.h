#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts inside the core are std::strings of Windows-1252 bytes, the encoding of the
// program's files, list text, clipboard and printout. These functions convert at the
// edges: source literals and terminals speak UTF-8.
namespace zufora {

// The UTF-8 form of a cp1252 text. The five bytes that cp1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the same value,
// so that every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view cp1252);

// The cp1252 form of a UTF-8 text, or nothing when the text is not valid UTF-8 or
// holds a character that cp1252 cannot represent. Nothing is ever replaced silently.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// The cp1252 form of a UTF-8 source literal. A literal that cp1252 cannot hold is a
// programming error and throws std::logic_error.
std::string Cp1252Literal(std::string_view utf8);

}  // namespace zufora
