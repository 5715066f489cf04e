#pragma once

#include <cstdint>

namespace zufora {

// A solid colour by its red, green and blue components (0 to 255 each).
struct PrintColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const PrintColor&, const PrintColor&) = default;
};

}  // namespace zufora
