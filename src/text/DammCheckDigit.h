#pragma once

#include <string_view>

namespace zufora {

// Damm's check digit over decimal digits, with the weakly totally anti-symmetric
// quasigroup of order 10 that Damm published: it catches every single-digit error and
// every swap of two neighbouring digits. Leading zeros do not change it.

// The digit to append to `digits` (each '0'..'9'); '\0' when a character is no digit.
char DammDigit(std::string_view digits);

// Whether `digits` (the number with its check digit last) passes the check: at least one
// character, all of them digits, and the running interim digit ends at 0.
bool DammValid(std::string_view digits);

}  // namespace zufora
