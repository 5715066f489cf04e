#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "print/PrintFont.h"
#include "print/PrintRect.h"

namespace zufora {

// A page band (header or footer) with three texts: one at its left edge, one ending at
// its right edge and one centred between them. A text whose Auto flag is set is filled
// in by the engine when the band is drawn; setting a text explicitly clears its flag.
class PageBand {
 public:
  // Empty texts, all three Auto flags set, the platform default font, rectangle (0,0,0,0).
  PageBand() = default;

  const std::string& LeftText() const { return left_text_; }
  bool LeftAuto() const { return left_auto_; }
  const std::string& RightText() const { return right_text_; }
  bool RightAuto() const { return right_auto_; }
  const std::string& CenterText() const { return center_text_; }
  bool CenterAuto() const { return center_auto_; }

  PrintFont& Font() { return font_; }
  const PrintFont& Font() const { return font_; }
  const PrintRect& Rect() const { return rect_; }

  // Store the text and clear the matching Auto flag.
  void SetLeftText(std::string text);
  void SetRightText(std::string text);
  void SetCenterText(std::string text);

  void SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

  // Replaces the texts whose Auto flag is set; the flags stay as they are.
  void FillAutoTexts(std::string_view left, std::string_view center, std::string_view right);
  // Clears all three Auto flags, so that the texts are kept as they stand.
  void ClearAutoFlags();

 private:
  std::string left_text_;
  bool left_auto_ = true;
  std::string right_text_;
  bool right_auto_ = true;
  std::string center_text_;
  bool center_auto_ = true;
  PrintFont font_;
  PrintRect rect_;
};

}  // namespace zufora
