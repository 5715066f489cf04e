#include "evidence/LineKeys.h"

#include <charconv>

#include "text/Cp1252.h"

namespace zufora {
namespace {

// The leading decimal number of `text` and the rest after it; none without digits.
std::optional<std::int64_t> LeadingNumber(std::string_view text, std::string_view& rest) {
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end == text.data()) {
    return std::nullopt;
  }
  rest = text.substr(static_cast<std::size_t>(end - text.data()));
  return number;
}

// The first field of a CSV row and the rest after its comma; none when it is not one.
std::optional<std::string> FirstField(std::string_view row, std::string_view& rest) {
  if (row.empty() || row.front() != '"') {
    const std::size_t comma = row.find(',');
    if (comma == std::string_view::npos) {
      return std::nullopt;
    }
    rest = row.substr(comma + 1);
    return std::string(row.substr(0, comma));
  }
  std::string field;
  for (std::size_t i = 1; i < row.size(); ++i) {
    if (row[i] != '"') {
      field += row[i];
    } else if (i + 1 < row.size() && row[i + 1] == '"') {
      field += '"';
      ++i;
    } else if (i + 1 < row.size() && row[i + 1] == ',') {
      rest = row.substr(i + 2);
      return field;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

ListTextKeys::ListTextKeys(std::string center_caption, std::string stratum_caption) {
  for (std::string* caption : {&center_caption, &stratum_caption}) {
    if (!caption->empty()) {
      captions_.push_back(*caption + ' ');
      captions_.push_back(Cp1252ToUtf8(captions_.back()));
    }
  }
}

bool ListTextKeys::IsHeading(std::string_view head) const {
  for (const std::string& caption : captions_) {
    if (head.starts_with(caption)) {
      return true;
    }
  }
  return false;
}

std::optional<LineKey> ListTextKeys::KeyOf(std::string_view head, std::int64_t line_number,
                                           KeyState& state) const {
  if (line_number == 1) {
    return std::nullopt;  // the title
  }
  if (IsHeading(head)) {
    ++state.list;
    return std::nullopt;
  }
  std::string_view rest;
  const auto patient = LeadingNumber(head, rest);
  if (!patient || rest.empty() || rest.front() != '\t') {
    return std::nullopt;
  }
  return LineKey{state.list, *patient};
}

std::optional<LineKey> CsvTableKeys::KeyOf(std::string_view head, std::int64_t line_number,
                                           KeyState& state) const {
  if (line_number == 1) {
    return std::nullopt;  // the header
  }
  std::string_view rest;
  if (numbered_ && !FirstField(head, rest)) {
    return std::nullopt;
  }
  const auto centre = FirstField(numbered_ ? rest : head, rest);
  if (!centre) {
    return std::nullopt;
  }
  std::string_view after;
  const auto patient = LeadingNumber(rest, after);
  if (!patient || after.empty() || after.front() != ',') {
    return std::nullopt;
  }
  if (*centre != state.last_centre || *patient <= state.last_patient) {
    ++state.list;
  }
  state.last_centre = *centre;
  state.last_patient = *patient;
  return LineKey{state.list, *patient};
}

std::optional<LineKey> RowOrderKeys::KeyOf(std::string_view, std::int64_t line_number,
                                           KeyState&) const {
  if (line_number == 1) {
    return std::nullopt;  // the header
  }
  return LineKey{0, line_number};
}

}  // namespace zufora
