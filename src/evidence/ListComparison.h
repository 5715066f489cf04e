#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "evidence/BoundedLineReader.h"
#include "evidence/LineKeys.h"
#include "random/ListTextSink.h"

namespace zufora {

// Compares an output of the design (handed on part by part as it is drawn: the list text,
// or a table, in cp1252, whole lines) with the lines of a file: the file's line ends may
// be LF or CR LF, and a line matches in cp1252 or in UTF-8, so that an exported list
// (cp1252, CR LF), the command line's list (UTF-8, LF) and a table (UTF-8, CR LF) all
// compare with the text they came from. A UTF-8 byte-order mark at the start of the file
// is skipped (ByteOrderMark tells).
//
// The file is read twice at once, through two streams of its bytes from the start, in
// parts and keeping no more than the start of a line (BoundedLineReader), so that a file
// of any size and a line of any length take little memory. Finds the first line that
// differs, and counts the allocation lines that differ, are missing or are extra,
// matched by list and patient (`keys`) so that a removed line or a moved separator does
// not make every later line count.
class ListComparison : public ListTextSink {
 public:
  struct Difference {
    std::int64_t line = 0;  // from 1
    // The lines as a message shows them (ShownText.h: UTF-8, escaped, long ones cut).
    std::optional<std::string> expected;  // none when the design's output has ended
    std::optional<std::string> actual;    // none when the file has ended
  };

  // Both streams read the file and must outlive the comparison, as must `keys`.
  ListComparison(std::istream& file, std::istream& same_file, const LineKeys& keys);

  void Write(std::string_view whole_lines) override;
  // Takes the file's lines beyond the end of the design's output.
  void Finish();

  const std::optional<Difference>& FirstDifference() const { return first_difference_; }
  std::int64_t DifferingAllocations() const { return differing_allocations_; }
  // The lines and bytes (cp1252, LF) of the design's output.
  std::int64_t Lines() const { return expected_lines_; }
  std::uint64_t ExpectedBytes() const { return expected_bytes_; }
  bool ByteOrderMark() const { return byte_order_mark_; }

 private:
  void Expect(std::string_view line);
  void AdvanceKeyed();
  static bool Matches(const FileLine& line, std::string_view expected_cp1252);

  const LineKeys& keys_;
  BoundedLineReader positional_;  // line by line, for the first difference
  BoundedLineReader keyed_;       // allocation lines by list and patient, for the count
  bool byte_order_mark_ = false;
  bool positional_done_ = false;
  std::int64_t expected_lines_ = 0;
  std::uint64_t expected_bytes_ = 0;
  KeyState expected_state_;
  KeyState file_state_;
  FileLine keyed_line_;
  std::optional<LineKey> keyed_key_;
  std::optional<Difference> first_difference_;
  std::int64_t differing_allocations_ = 0;
};

}  // namespace zufora
