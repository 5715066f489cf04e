#pragma once

#include <cstdint>
#include <string>

#include "print/PrintColor.h"

namespace zufora {

// A font as the layout asks for it: face, size in points, style and colour. The
// surface that draws with it turns the point size into device units at its own
// resolution, so a font carries no resolution of its own. A default-constructed
// font is the platform default: "MS Sans Serif", 8 points, regular, black.
struct PrintFont {
  std::string face = "MS Sans Serif";
  std::int32_t point_size = 8;
  bool bold = false;
  bool italic = false;
  PrintColor color{};

  friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

}  // namespace zufora
