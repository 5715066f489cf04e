#pragma once

#include <cstdint>

namespace zufora {

// A rectangle in device units. As a fill area it covers left <= x < right and
// top <= y < bottom.
struct PrintRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

}  // namespace zufora
