// The print run: any list text (what the user may have typed into the list field before
// pressing "Drucken") printed onto a recording surface. The first byte picks the page
// size, so that small and odd pages are tried as well as the usual one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "BuiltInTexts.h"
#include "FuzzCheck.h"
#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "print/PrintJobTexts.h"
#include "support/RecordingSurface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zufora;
  const ProgramTexts& texts = fuzz::BuiltInTexts();
  if (size == 0) {
    return 0;
  }
  const std::uint8_t shape = data[0];
  std::int32_t width = 4800;
  std::int32_t height = 6800;
  std::int32_t resolution = 600;
  if (shape & 1) {  // a small or strange page
    width = 1 + (shape >> 1) * 37;
    height = 1 + (shape >> 4) * 211;
    resolution = 1 + (shape >> 2) * 13;
  }
  RecordingSurface surface(width, height, resolution);
  surface.SetKeepLog(false);
  ListPrintRun run;
  const PrintJobTexts job =
      PrintJobTexts::From(texts, std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
                          [] { return std::string("24.05.2024"); });
  run.Print(surface, job);
  FUZZ_CHECK(run.Layout() == nullptr);  // the engine belongs to the job only
  FUZZ_CHECK(surface.PageCount() >= 0);
  return 0;
}
