#pragma once

#include <string>

namespace zufora {

// What a validation report says of the program it ran in.

// The compiler and whether assertions are on: "gcc 12.2.0, optimised".
std::string CompilerDescription();
// The operating system and processor: "Linux x86-64".
std::string PlatformDescription();

}  // namespace zufora
