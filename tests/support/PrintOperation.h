#pragma once

#include <cstdint>
#include <string>

#include "print/PrintColor.h"
#include "print/PrintFont.h"
#include "print/PrintRect.h"

namespace zufora {

// One operation a RecordingSurface was asked to perform.
struct PrintOperation {
  enum class Kind { kBeginDocument, kNewPage, kEndDocument, kTextOut, kMoveTo, kLineTo, kFillRect };

  Kind kind = Kind::kTextOut;
  // The page the operation belongs to: 1 for kBeginDocument, the new page's number for
  // kNewPage, the last page's number for kEndDocument, 0 outside a document.
  std::int32_t page = 0;
  std::int32_t x = 0;  // kTextOut, kMoveTo, kLineTo
  std::int32_t y = 0;
  PrintRect rect{};    // kFillRect
  PrintColor color{};  // kFillRect
  std::string text;    // kTextOut; the document name for kBeginDocument
  PrintFont font;      // the current font when the operation was made

  friend bool operator==(const PrintOperation&, const PrintOperation&) = default;
};

}  // namespace zufora
