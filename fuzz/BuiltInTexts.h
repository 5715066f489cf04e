#pragma once

#include "lang/ProgramTexts.h"

namespace zufora::fuzz {

// The program's built-in texts as they stand after the first show without a language
// file; built once for all inputs.
inline const ProgramTexts& BuiltInTexts() {
  static const ProgramTexts texts = [] {
    ProgramTexts built_in;
    ApplyFirstShowTexts(built_in, nullptr);
    return built_in;
  }();
  return texts;
}

}  // namespace zufora::fuzz
