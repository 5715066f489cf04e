#include "text/Cp1252.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace zufora {
namespace {

// Unicode code points of the bytes 0x80..0x9F; the undefined bytes keep their value.
constexpr std::array<char32_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    return kHighControlBlock[byte - 0x80u];
  }
  return byte;
}

std::optional<unsigned char> ByteOf(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<unsigned char>(code_point);
  }
  for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
    if (kHighControlBlock[i] == code_point) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 8);
  for (char c : cp1252) {
    AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0;
    std::size_t length = 0;
    if (lead < 0x80) {
      cp = lead;
      length = 1;
    } else if ((lead & 0xE0) == 0xC0) {
      cp = lead & 0x1Fu;
      length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
      cp = lead & 0x0Fu;
      length = 3;
    } else if ((lead & 0xF8) == 0xF0) {
      cp = lead & 0x07u;
      length = 4;
    } else {
      return std::nullopt;
    }
    if (i + length > utf8.size()) {
      return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) {
        return std::nullopt;
      }
      cp = (cp << 6) | (next & 0x3Fu);
    }
    // Overlong forms are invalid UTF-8.
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length]) {
      return std::nullopt;
    }
    const auto byte = ByteOf(cp);
    if (!byte) {
      return std::nullopt;
    }
    out.push_back(static_cast<char>(*byte));
    i += length;
  }
  return out;
}

std::string Cp1252Literal(std::string_view utf8) {
  auto converted = Utf8ToCp1252(utf8);
  if (!converted) {
    throw std::logic_error("source text not representable in cp1252");
  }
  return *std::move(converted);
}

}  // namespace zufora
