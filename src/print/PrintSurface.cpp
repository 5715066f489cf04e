#include "print/PrintSurface.h"

#include <limits>
#include <stdexcept>

namespace zufora {

void PrintSurface::BeginDocument(std::string_view name) {
  if (printing_) {
    throw std::logic_error("print document begun twice");
  }
  DoBeginDocument(name);
  printing_ = true;
  page_number_ = 1;
}

void PrintSurface::NewPage() {
  if (!printing_) {
    throw std::logic_error("new page outside a print document");
  }
  DoNewPage();
  if (page_number_ < std::numeric_limits<std::int32_t>::max()) {
    ++page_number_;
  }
}

void PrintSurface::EndDocument() {
  if (!printing_) {
    throw std::logic_error("print document ended twice");
  }
  DoEndDocument();
  printing_ = false;
  page_number_ = 0;
}

void PrintSurface::AbortDocument() noexcept {
  if (!printing_) {
    return;
  }
  printing_ = false;
  page_number_ = 0;
  // A printer that fails while giving up the job has nothing more to lose.
  try {
    DoAbortDocument();
  } catch (...) {
  }
}

}  // namespace zufora
