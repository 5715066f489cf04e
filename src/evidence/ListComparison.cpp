#include "evidence/ListComparison.h"

#include "evidence/ShownText.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

std::string ShownFileLine(const FileLine& line) {
  return ShownFileBytes(line.head, kShownCharacters, !line.Whole());
}

}  // namespace

ListComparison::ListComparison(std::istream& file, std::istream& same_file, const LineKeys& keys)
    : keys_(keys), positional_(file), keyed_(same_file) {
  byte_order_mark_ = positional_.SkipByteOrderMark();
  keyed_.SkipByteOrderMark();
  AdvanceKeyed();
}

bool ListComparison::Matches(const FileLine& line, std::string_view expected_cp1252) {
  if (line.Is(expected_cp1252)) {
    return true;
  }
  const std::string utf8 = Cp1252ToUtf8(expected_cp1252);
  return utf8.size() != expected_cp1252.size() && line.Is(utf8);
}

void ListComparison::AdvanceKeyed() {
  keyed_key_.reset();
  const auto has_key = [this](std::string_view head) {
    KeyState probe = file_state_;
    return keys_.KeyOf(head, keyed_line_.number + 1, probe).has_value();
  };
  while (keyed_.Next(keyed_line_, has_key)) {
    keyed_key_ = keys_.KeyOf(keyed_line_.head, keyed_line_.number, file_state_);
    if (keyed_key_) {
      return;
    }
  }
}

void ListComparison::Write(std::string_view whole_lines) {
  expected_bytes_ += whole_lines.size();
  std::size_t start = 0;
  while (start < whole_lines.size()) {
    std::size_t end = whole_lines.find('\n', start);
    if (end == std::string_view::npos) {
      end = whole_lines.size();
    }
    std::string_view line = whole_lines.substr(start, end - start);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);  // a table's row end
    }
    Expect(line);
    start = end + 1;
  }
}

void ListComparison::Expect(std::string_view line) {
  ++expected_lines_;
  if (!positional_done_) {
    FileLine actual;
    const std::size_t longest = line.size() * 3;  // its UTF-8 form at most
    const bool present = positional_.Next(
        actual, [longest](std::string_view) { return longest > BoundedLineReader::kHeadBytes; });
    if (!present || !Matches(actual, line)) {
      first_difference_ = Difference{expected_lines_, ShownUtf8(Cp1252ToUtf8(line)),
                                     present ? std::optional(ShownFileLine(actual)) : std::nullopt};
      positional_done_ = true;  // nothing more to find there
    }
  }

  const std::optional<LineKey> key = keys_.KeyOf(line, expected_lines_, expected_state_);
  if (!key) {
    return;
  }
  while (keyed_key_ && *keyed_key_ < *key) {  // lines the design does not give
    ++differing_allocations_;
    AdvanceKeyed();
  }
  if (keyed_key_ && *keyed_key_ == *key) {
    if (!Matches(keyed_line_, line)) {
      ++differing_allocations_;
    }
    AdvanceKeyed();
  } else {
    ++differing_allocations_;  // missing from the file
  }
}

void ListComparison::Finish() {
  FileLine extra;
  if (!positional_done_ && positional_.Next(extra)) {
    first_difference_ = Difference{extra.number, std::nullopt, ShownFileLine(extra)};
  }
  positional_done_ = true;
  while (keyed_key_) {
    ++differing_allocations_;
    AdvanceKeyed();
  }
}

}  // namespace zufora
