#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zufora {

// Which list and patient a line of an output holds, so that a comparison can match the
// lines of a file with those of the design although lines were removed or moved.
struct LineKey {
  std::int64_t list = 0;
  std::int64_t patient = 0;
  auto operator<=>(const LineKey&) const = default;
};

// What a reader of one file (or of the design's text) has seen so far.
struct KeyState {
  std::int64_t list = 0;
  std::int64_t last_patient = 0;
  std::string last_centre;
};

// How the lines of one kind of output are keyed: from a line's start (its head), its
// number (from 1) and the reader's state, which headings and new lists update. Lines
// without an allocation (title, headings, separators, a header row) have none.
class LineKeys {
 public:
  virtual ~LineKeys() = default;
  virtual std::optional<LineKey> KeyOf(std::string_view head, std::int64_t line_number,
                                       KeyState& state) const = 0;
};

// The list text: after the title, a centre heading ("CAPTION ...", cp1252 or UTF-8) or
// the heading of a stratum without centres ("STRATUM_CAPTION n ...") begins the next
// list; an allocation line begins with its patient number and a TAB.
class ListTextKeys : public LineKeys {
 public:
  explicit ListTextKeys(std::string center_caption, std::string stratum_caption = {});
  std::optional<LineKey> KeyOf(std::string_view head, std::int64_t line_number,
                               KeyState& state) const override;

 private:
  bool IsHeading(std::string_view head) const;

  // The captions that begin a heading, cp1252 and UTF-8, each with the blank after it.
  std::vector<std::string> captions_;
};

// The CSV table: after the header row, the centre (the first field, or the second after
// the number column of a `numbered` table) and the patient number (the field after it); a
// new list begins where the centre changes or the numbers start again.
class CsvTableKeys : public LineKeys {
 public:
  explicit CsvTableKeys(bool numbered = false) : numbered_(numbered) {}
  std::optional<LineKey> KeyOf(std::string_view head, std::int64_t line_number,
                               KeyState& state) const override;

 private:
  bool numbered_;
};

// A table whose rows name no patient (REDCap's): the rows after the header in order.
class RowOrderKeys : public LineKeys {
 public:
  std::optional<LineKey> KeyOf(std::string_view head, std::int64_t line_number,
                               KeyState& state) const override;
};

}  // namespace zufora
