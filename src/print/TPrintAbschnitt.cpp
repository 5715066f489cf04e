#include "print/TPrintAbschnitt.h"

namespace zufora {

void TPrintAbschnitt::SetLeftText(std::string text) {
  left_text_ = std::move(text);
  left_auto_ = false;
}

void TPrintAbschnitt::SetRightText(std::string text) {
  right_text_ = std::move(text);
  right_auto_ = false;
}

void TPrintAbschnitt::SetCenterText(std::string text) {
  center_text_ = std::move(text);
  center_auto_ = false;
}

void TPrintAbschnitt::SetRect(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
  rect_ = PrintRect{left, top, right, bottom};
}

void TPrintAbschnitt::FillAutoTexts(std::string_view left, std::string_view center,
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

void TPrintAbschnitt::ClearAutoFlags() {
  left_auto_ = false;
  center_auto_ = false;
  right_auto_ = false;
}

}  // namespace zufora
