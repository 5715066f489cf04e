#pragma once

#include <stdexcept>

namespace zufora {

// Thrown by a page observer when the user cancels a print job; the job is abandoned and
// nothing is reported.
class PrintCancelled : public std::runtime_error {
 public:
  PrintCancelled() : std::runtime_error("print job cancelled") {}
};

}  // namespace zufora
