#include "text/DammCheckDigit.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zufora {
namespace {

// Row: the interim digit so far; column: the next digit.
constexpr std::array<std::array<std::uint8_t, 10>, 10> kQuasigroup{{
    {0, 3, 1, 7, 5, 9, 8, 6, 4, 2},
    {7, 0, 9, 2, 1, 5, 4, 8, 6, 3},
    {4, 2, 0, 6, 8, 7, 1, 3, 5, 9},
    {1, 7, 5, 0, 9, 8, 3, 4, 2, 6},
    {6, 1, 2, 3, 0, 4, 5, 9, 7, 8},
    {3, 6, 7, 4, 2, 0, 9, 5, 8, 1},
    {5, 8, 6, 9, 7, 2, 0, 1, 3, 4},
    {8, 9, 4, 5, 3, 6, 2, 0, 1, 7},
    {9, 4, 3, 8, 6, 1, 7, 2, 0, 5},
    {2, 5, 8, 1, 4, 3, 6, 7, 9, 0},
}};

std::optional<std::uint8_t> Interim(std::string_view digits) {
  std::uint8_t interim = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    interim = kQuasigroup[interim][static_cast<std::size_t>(c - '0')];
  }
  return interim;
}

}  // namespace

char DammDigit(std::string_view digits) {
  const auto interim = Interim(digits);
  return interim ? static_cast<char>('0' + *interim) : '\0';
}

bool DammValid(std::string_view digits) {
  const auto interim = Interim(digits);
  return !digits.empty() && interim && *interim == 0;
}

}  // namespace zufora
