#pragma once

#include <string>
#include <string_view>

namespace zufora {

// The bytes of an exported list: the lines of the list text in order, each followed by
// CR LF, in cp1252 as they stand, without a byte-order mark. A line ends at CR LF, LF
// or a lone CR; a text ending with a line break has no empty line after it.
std::string ExportBytes(std::string_view list_text);

}  // namespace zufora
