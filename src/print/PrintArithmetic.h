#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The conversions of the print layout. Device positions are 32-bit; intermediate sums
// are formed in 64 bits or double and brought back here, saturating instead of wrapping,
// so that no page size or font a surface reports can overflow.
namespace zufora {

inline std::int32_t ClampToInt32(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value < std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

// "trunc": toward zero; NaN gives 0.
inline std::int32_t TruncToInt32(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= 2147483647.0) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value <= -2147483648.0) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace zufora
