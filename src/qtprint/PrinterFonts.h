#pragma once

#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "print/PrintFont.h"

class QPaintDevice;

namespace zufora {

// A font as a printer device context would make it, and its measures on that printer.
struct PrinterFont {
  QFont font;
  QFontMetrics metrics;
  std::int32_t ascent = 0;
};

// The fonts of one printer, made once each: pixel size round(points × vertical
// resolution ÷ 72) with halves away from zero, kerning off, measured on the printer's
// own metrics; "Arial", "Times New Roman" and "Courier New" fall back to their metric
// twins from Liberation. The device must outlive this object.
class PrinterFonts {
 public:
  PrinterFonts(QPaintDevice& device, std::int32_t resolution_y)
      : device_(device), resolution_y_(resolution_y) {}

  // The made font; the reference stays valid until the next call.
  const PrinterFont& Get(const PrintFont& font);

 private:
  using Key = std::tuple<std::string, std::int32_t, bool, bool>;

  QPaintDevice& device_;
  std::int32_t resolution_y_;
  std::map<Key, PrinterFont> made_;
};

}  // namespace zufora
