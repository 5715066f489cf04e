#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zufora {

// Texts from files and designs as a message on a terminal shows them: on one line and
// harmless. Control characters (C0, DEL, C1), line and paragraph separators and the
// direction marks that reorder a terminal line are written visibly as escapes - "\t",
// "\r", "\n", "\x1B", "\u009B", "\u202E" - and a backslash as "\\", so that what is shown
// is what the bytes hold. A text longer than `max_characters` characters (or known to go
// on beyond the bytes given) is cut and ends with "…".
inline constexpr std::size_t kShownCharacters = 120;

// A UTF-8 text.
std::string ShownUtf8(std::string_view utf8, std::size_t max_characters = kShownCharacters,
                      bool goes_on = false);

// Bytes of a file read as UTF-8 where they are (a sequence cut at their end included),
// else as cp1252.
std::string ShownFileBytes(std::string_view bytes, std::size_t max_characters = kShownCharacters,
                           bool goes_on = false);

}  // namespace zufora
