// A provenance record handed to verify --manifest: read without a crash, and one that is
// read writes back to a text that reads as the same record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "evidence/ProvenanceRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const zufora::ProvenanceReading reading = zufora::ReadProvenanceJson(text);
  FUZZ_CHECK(reading.record.has_value() != !reading.error.empty());
  if (reading.record) {
    const std::string written = zufora::ProvenanceJson(*reading.record);
    const zufora::ProvenanceReading again = zufora::ReadProvenanceJson(written);
    FUZZ_CHECK(again.record.has_value());
    FUZZ_CHECK(zufora::ProvenanceJson(*again.record) == written);
    FUZZ_CHECK(again.record->design.content == reading.record->design.content);
  }
  return 0;
}
