#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "random/ListTextSink.h"

namespace zufora {

// Compares a list text, part by part as it is drawn, with the lines of a list file: an
// exported file (cp1252, CR LF) or the command line's own output (UTF-8, LF); a line
// matches in either form. The file is read twice at once, through two streams of its
// bytes from the start, so that a list of any length takes little memory. Finds the first line that
// differs, and counts the allocation lines that differ, are missing or are extra, matched by list
// and patient number so that a removed line or a moved separator does not make every later line
// count.
class ListComparison : public ListTextSink {
 public:
  struct Difference {
    std::int64_t line = 0;                // from 1
    std::optional<std::string> expected;  // UTF-8; none when the design's list has ended
    std::optional<std::string> actual;    // UTF-8; none when the file has ended
  };

  // `center_caption` (cp1252) begins the centre headings, which start a new list. Both
  // streams read the list file and must outlive the comparison.
  ListComparison(std::istream& file, std::istream& same_file, std::string center_caption);

  void Write(std::string_view whole_lines) override;
  // Takes the file's lines beyond the end of the design's list.
  void Finish();

  const std::optional<Difference>& FirstDifference() const { return first_difference_; }
  std::int64_t DifferingAllocations() const { return differing_allocations_; }
  std::int64_t Lines() const { return expected_lines_; }

 private:
  struct Key {
    std::int64_t list = 0;
    std::int64_t patient = 0;
    auto operator<=>(const Key&) const = default;
  };
  // A line of the file: read, or none at its end.
  struct FileLine {
    std::string text;
    std::int64_t number = 0;
    bool present = false;
  };

  void Expect(std::string_view line);
  bool ReadLine(std::istream& in, FileLine& line, std::int64_t& count);
  // The key of an allocation line, updating the list count on headings; none otherwise.
  std::optional<Key> KeyOf(std::string_view line, std::int64_t line_number,
                           std::int64_t& list) const;
  void AdvanceKeyed();

  std::string center_caption_;
  std::istream& positional_;  // line by line, for the first difference
  std::istream& keyed_;       // allocation lines by list and patient, for the count
  std::int64_t expected_lines_ = 0;
  std::int64_t positional_count_ = 0;
  std::int64_t keyed_count_ = 0;
  std::int64_t expected_list_ = 0;
  std::int64_t file_list_ = 0;
  FileLine keyed_line_;
  std::optional<Key> keyed_key_;
  std::optional<Difference> first_difference_;
  std::int64_t differing_allocations_ = 0;
};

}  // namespace zufora
