#include "print/PageBand.h"

namespace zufora {

void PageBand::SetLeftText(std::string text) {
  left_text_ = std::move(text);
  left_auto_ = false;
}

void PageBand::SetRightText(std::string text) {
  right_text_ = std::move(text);
  right_auto_ = false;
}

void PageBand::SetCenterText(std::string text) {
  center_text_ = std::move(text);
  center_auto_ = false;
}

void PageBand::SetRect(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) {
  rect_ = PrintRect{left, top, right, bottom};
}

void PageBand::FillAutoTexts(std::string_view left, std::string_view center,
                             std::string_view right) {
  if (left_auto_) {
    left_text_ = left;
  }
  if (center_auto_) {
    center_text_ = center;
  }
  if (right_auto_) {
    right_text_ = right;
  }
}

void PageBand::ClearAutoFlags() {
  left_auto_ = false;
  center_auto_ = false;
  right_auto_ = false;
}

}  // namespace zufora
