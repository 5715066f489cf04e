#include "evidence/ListComparison.h"

#include <charconv>

#include "text/Cp1252.h"

namespace zufora {
namespace {

// A file line for showing: UTF-8 as it is, anything else read as cp1252.
std::string Shown(const std::string& line) {
  return Utf8ToCp1252(line) ? line : Cp1252ToUtf8(line);
}

bool Matches(std::string_view expected_cp1252, const std::string& actual) {
  return actual == expected_cp1252 || actual == Cp1252ToUtf8(expected_cp1252);
}

}  // namespace

ListComparison::ListComparison(std::istream& file, std::istream& same_file,
                               std::string center_caption)
    : center_caption_(std::move(center_caption) + ' '), positional_(file), keyed_(same_file) {
  AdvanceKeyed();
}

bool ListComparison::ReadLine(std::istream& in, FileLine& line, std::int64_t& count) {
  line.present = static_cast<bool>(std::getline(in, line.text));
  if (line.present) {
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
    }
    line.number = ++count;
  }
  return line.present;
}

std::optional<ListComparison::Key> ListComparison::KeyOf(std::string_view line,
                                                         std::int64_t line_number,
                                                         std::int64_t& list) const {
  if (line_number == 1) {
    return std::nullopt;  // the title
  }
  if (line.substr(0, center_caption_.size()) == center_caption_) {
    ++list;
    return std::nullopt;
  }
  std::int64_t patient = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), patient);
  if (error != std::errc() || end == line.data() || end == line.data() + line.size() ||
      *end != '\t') {
    return std::nullopt;
  }
  return Key{list, patient};
}

void ListComparison::AdvanceKeyed() {
  keyed_key_.reset();
  while (ReadLine(keyed_, keyed_line_, keyed_count_)) {
    keyed_key_ = KeyOf(keyed_line_.text, keyed_line_.number, file_list_);
    if (keyed_key_) {
      return;
    }
  }
}

void ListComparison::Write(std::string_view whole_lines) {
  std::size_t start = 0;
  while (start < whole_lines.size()) {
    const std::size_t end = whole_lines.find('\n', start);
    Expect(whole_lines.substr(start, end - start));
    start = end + 1;
  }
}

void ListComparison::Expect(std::string_view line) {
  ++expected_lines_;
  FileLine actual;
  ReadLine(positional_, actual, positional_count_);
  if (!first_difference_ && (!actual.present || !Matches(line, actual.text))) {
    first_difference_ =
        Difference{expected_lines_, Cp1252ToUtf8(line),
                   actual.present ? std::optional(Shown(actual.text)) : std::nullopt};
  }

  const std::optional<Key> key = KeyOf(line, expected_lines_, expected_list_);
  if (!key) {
    return;
  }
  while (keyed_key_ && *keyed_key_ < *key) {  // lines the design does not give
    ++differing_allocations_;
    AdvanceKeyed();
  }
  if (keyed_key_ && *keyed_key_ == *key) {
    if (!Matches(line, keyed_line_.text)) {
      ++differing_allocations_;
    }
    AdvanceKeyed();
  } else {
    ++differing_allocations_;  // missing from the file
  }
}

void ListComparison::Finish() {
  FileLine extra;
  if (ReadLine(positional_, extra, positional_count_) && !first_difference_) {
    first_difference_ = Difference{extra.number, std::nullopt, Shown(extra.text)};
  }
  while (keyed_key_) {
    ++differing_allocations_;
    AdvanceKeyed();
  }
}

}  // namespace zufora
