#include "evidence/ShownText.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "text/Cp1252.h"

namespace zufora {
namespace {

// The code points of UTF-8 text; none when it is not UTF-8. A sequence cut short at the
// very end is dropped when `cut_at_end` (the bytes are the start of a longer text).
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view bytes, bool cut_at_end) {
  std::vector<char32_t> points;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t point = 0;
    if (lead < 0x80) {
      length = 1;
      point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      point = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + static_cast<std::size_t>(length) > bytes.size()) {
      if (cut_at_end) {
        break;
      }
      return std::nullopt;
    }
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        return std::nullopt;
      }
      point = (point << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    if (overlong || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
      return std::nullopt;
    }
    points.push_back(point);
    i += static_cast<std::size_t>(length);
  }
  return points;
}

bool Hidden(char32_t point) {
  return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029 ||
         (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069) ||
         point == 0x200E || point == 0x200F || point == 0xFEFF;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

void AppendShown(std::string& out, char32_t point) {
  char escape[16];
  switch (point) {
    case '\t': out += "\\t"; return;
    case '\r': out += "\\r"; return;
    case '\n': out += "\\n"; return;
    case '\\': out += "\\\\"; return;
    default: break;
  }
  if (!Hidden(point)) {
    AppendUtf8(out, point);
  } else if (point < 0x80) {
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(point));
    out += escape;
  } else {
    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(point));
    out += escape;
  }
}

std::string Shown(const std::vector<char32_t>& points, std::size_t max_characters, bool goes_on) {
  std::string out;
  const std::size_t shown = std::min(points.size(), max_characters);
  for (std::size_t i = 0; i < shown; ++i) {
    AppendShown(out, points[i]);
  }
  if (goes_on || shown < points.size()) {
    out += "\xE2\x80\xA6";  // …
  }
  return out;
}

}  // namespace

std::string ShownUtf8(std::string_view utf8, std::size_t max_characters, bool goes_on) {
  const auto points = DecodeUtf8(utf8, goes_on);
  return points ? Shown(*points, max_characters, goes_on)
                : ShownFileBytes(utf8, max_characters, goes_on);
}

std::string ShownFileBytes(std::string_view bytes, std::size_t max_characters, bool goes_on) {
  // Only the start is shown: a long line is not decoded whole.
  const std::string_view start = bytes.substr(0, 4 * (max_characters + 1));
  const bool cut = goes_on || start.size() < bytes.size();
  if (const auto points = DecodeUtf8(start, cut)) {
    return Shown(*points, max_characters, cut);
  }
  const auto points = DecodeUtf8(Cp1252ToUtf8(start.substr(0, max_characters + 1)), false);
  return Shown(points.value_or(std::vector<char32_t>{}), max_characters, cut);
}

}  // namespace zufora
