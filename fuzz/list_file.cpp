// A file handed to verify: compared with a design's list text and with its CSV table, in
// bounded memory. Whatever it holds, what a message shows of it is one harmless line of
// bounded length, and the design's own output compares equal to itself.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "evidence/LineKeys.h"
#include "evidence/ListComparison.h"
#include "evidence/ListOutput.h"

namespace {

// Two centre lists, as the writer gives them (cp1252, LF), and a CSV table (CR LF).
const std::string kList =
    "Studie\nZentrum 1\tS\xFC"
    "d - Seed: (5)\n1\t2\tB\n2\t1\tA\n------- Block ------\nZentrum 2\tNord - Seed: (6)\n"
    "1\t1\tA\n------- Block ------\n";
const std::string kTable = "centre,patient,arm\r\n\"1,0\",1,2\r\n\"1,0\",2,1\r\n7,1,1\r\n";

bool Harmless(const std::string& shown) {
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      return false;
    }
  }
  return shown.size() < 1000;
}

void Compare(const std::string& file_bytes, const std::string& expected,
             const zufora::LineKeys& keys, bool must_match) {
  std::istringstream file(file_bytes);
  std::istringstream same_file(file_bytes);
  zufora::ListComparison comparison(file, same_file, keys);
  comparison.Write(expected);
  comparison.Finish();
  const auto& difference = comparison.FirstDifference();
  FUZZ_CHECK(!must_match || !difference);
  if (difference) {
    FUZZ_CHECK(difference->line >= 1);
    FUZZ_CHECK(!difference->expected || Harmless(*difference->expected));
    FUZZ_CHECK(!difference->actual || Harmless(*difference->actual));
  }
  FUZZ_CHECK(comparison.DifferingAllocations() >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const zufora::ListTextKeys list_keys("Zentrum", "Stratum");
  const zufora::CsvTableKeys table_keys;
  const zufora::CsvTableKeys numbered_keys(true);
  const zufora::RowOrderKeys row_keys;
  Compare(bytes, kList, list_keys, false);
  Compare(bytes, kTable, table_keys, false);
  Compare(bytes, kTable, numbered_keys, false);
  Compare(bytes, kTable, row_keys, false);
  Compare(kList, kList, list_keys, true);
  (void)zufora::FormatOfFirstLine(bytes.substr(0, bytes.find('\n')));
  return 0;
}
