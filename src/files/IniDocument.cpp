#include "files/IniDocument.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "text/LineSplitter.h"
#include "text/TextFolding.h"

namespace zufora {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
// Section numbers have 30 bits: every section line takes two bytes at least, and a text
// has at most 2^30.
constexpr std::uint32_t kSectionMask = (std::uint32_t{1} << 30) - 1;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

unsigned char FoldByte(char c) {
  return static_cast<unsigned char>(FoldCase(c));
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimWhere(text, IsBlank);
}

// The first '=' in [begin, end), or end.
std::size_t FindEquals(std::string_view text, std::size_t begin, std::size_t end) {
  const void* found = begin < end ? std::memchr(text.data() + begin, '=', end - begin) : nullptr;
  return found == nullptr ? end
                          : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

bool HasLineEnd(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::uint32_t IniDocument::AddLine(std::size_t begin, std::size_t size, LineKind kind) {
  if (begin + size > std::numeric_limits<std::uint32_t>::max() ||
      lines_.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("INI text too long");
  }
  Line line;
  line.begin = static_cast<std::uint32_t>(begin);
  line.size = static_cast<std::uint32_t>(size);
  line.kind = static_cast<std::uint32_t>(kind) & 3U;
  lines_.push_back(line);
  return static_cast<std::uint32_t>(lines_.size() - 1);
}

std::string_view IniDocument::Text(const Line& line) const {
  return std::string_view(text_.data() + line.begin, line.size);
}

std::string_view IniDocument::SectionNameOf(const Line& line) const {
  std::string_view text = Text(line);
  text.remove_prefix(text.find('[') + 1);
  return TrimBlanks(text.substr(0, text.find(']')));
}

std::string_view IniDocument::KeyOf(const Line& line) const {
  const std::string_view text = Text(line);
  return TrimBlanks(text.substr(0, text.find('=')));
}

std::string_view IniDocument::ValueOf(const Line& line) const {
  const std::string_view text = Text(line);
  std::string_view value = TrimBlanks(text.substr(text.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

int IniDocument::CompareNames(std::string_view a, std::string_view b) const {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  std::size_t i = 0;
  while (i < common && FoldByte(a[i]) == FoldByte(b[i])) {
    ++i;
  }
  index_work_ += i + 1;
  if (i < common) {
    return FoldByte(a[i]) < FoldByte(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::optional<std::uint32_t> IniDocument::FindSection(std::string_view name) const {
  const std::string_view wanted = TrimBlanks(name);
  std::size_t low = 0;
  std::size_t high = parsed_sections_;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const int order = CompareNames(SectionNameOf(lines_[sections_[middle].header]), wanted);
    if (order == 0) {
      return static_cast<std::uint32_t>(middle);
    }
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (new_section_index_.empty()) {
    return std::nullopt;
  }
  const auto found = new_section_index_.find(FoldCase(wanted));
  if (found == new_section_index_.end()) {
    return std::nullopt;
  }
  return found->second;
}

std::optional<std::uint32_t> IniDocument::FindKey(std::uint32_t section,
                                                  std::string_view key) const {
  std::size_t low = 0;
  std::size_t high = key_order_.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const Line& line = lines_[key_order_[middle]];
    const int order = line.section != section ? (line.section < section ? -1 : 1)
                                              : CompareNames(KeyOf(line), key);
    if (order == 0) {
      return key_order_[middle];
    }
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (appended_keys_.empty()) {
    return std::nullopt;
  }
  const auto found = appended_keys_.find(KeyName(section, FoldCase(key)));
  if (found == appended_keys_.end()) {
    return std::nullopt;
  }
  return found->second;
}

// Gives every section of the parsed text its number (sections sorted by name, each
// repeated occurrence joined to its first), and sorts the keys.
void IniDocument::IndexParsedText(std::vector<std::uint32_t> headers,
                                  std::vector<std::uint32_t> keys) {
  // Key lines hold the ordinal of their section line until here.
  std::vector<std::uint32_t> order(headers.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  const auto name_of = [&](std::uint32_t ordinal) {
    return SectionNameOf(lines_[headers[ordinal]]);
  };
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return CompareNames(name_of(a), name_of(b)) < 0;
  });
  std::vector<std::uint32_t> section_of(headers.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i == 0 || CompareNames(name_of(order[i - 1]), name_of(order[i])) != 0) {
      sections_.push_back(Section{headers[order[i]], headers[order[i]]});
    }
    section_of[order[i]] = static_cast<std::uint32_t>(sections_.size() - 1);
  }
  order = {};
  parsed_sections_ = static_cast<std::uint32_t>(sections_.size());

  for (const std::uint32_t key : keys) {
    Line& line = lines_[key];
    const std::uint32_t ordinal = line.section;
    line.section = section_of[ordinal] & kSectionMask;
    Section& section = sections_[line.section];
    if (section.header == headers[ordinal]) {
      section.anchor = key;  // in the section's first occurrence
    }
  }
  headers = {};
  section_of = {};

  // Sorted by section and key, lines in order among equal keys, so that the first of
  // each run is the key's first line.
  const auto compare = [&](std::uint32_t a, std::uint32_t b) {
    const Line& x = lines_[a];
    const Line& y = lines_[b];
    if (x.section != y.section) {
      return x.section < y.section ? -1 : 1;
    }
    return CompareNames(KeyOf(x), KeyOf(y));
  };
  std::stable_sort(keys.begin(), keys.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
  const auto last = std::unique(keys.begin(), keys.end(), [&](std::uint32_t a, std::uint32_t b) {
    return compare(a, b) == 0;
  });
  keys.erase(last, keys.end());
  keys.shrink_to_fit();
  key_order_ = std::move(keys);
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  if (bytes.size() > kMaxTextSize) {
    throw std::length_error("INI text too long");
  }
  IniDocument doc;
  doc.text_.assign(bytes.data(), bytes.size());
  const std::string& t = doc.text_;

  std::vector<std::uint32_t> headers;  // section lines in order
  std::vector<std::uint32_t> keys;     // key lines in order
  std::size_t other_begin = kNone;
  std::size_t other_end = 0;
  const auto flush_other = [&] {
    if (other_begin != kNone) {
      doc.AddLine(other_begin, other_end - other_begin, LineKind::Other);
      other_begin = kNone;
    }
  };

  LineSplitter lines(t);
  std::size_t pos = 0;
  for (std::string_view text_line; lines.Next(text_line); pos = lines.Position()) {
    const std::size_t end = pos + text_line.size();

    std::size_t i = pos;
    while (i < end && IsBlank(t[i])) {
      ++i;
    }
    bool indexed = false;
    if (i < end && t[i] == '[') {
      flush_other();
      headers.push_back(doc.AddLine(pos, end - pos, LineKind::Section));
      indexed = true;
    } else if (i < end && t[i] != ';' && !headers.empty() && FindEquals(t, i, end) < end) {
      flush_other();
      const std::uint32_t line = doc.AddLine(pos, end - pos, LineKind::Key);
      doc.lines_[line].section = static_cast<std::uint32_t>(headers.size() - 1) & kSectionMask;
      keys.push_back(line);
      indexed = true;
    }
    if (!indexed) {
      if (other_begin == kNone) {
        other_begin = pos;
      }
      other_end = end;
    }
  }
  flush_other();
  doc.parsed_lines_ = static_cast<std::uint32_t>(doc.lines_.size());
  doc.IndexParsedText(std::move(headers), std::move(keys));
  return doc;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto s = FindSection(section);
  if (!s) {
    return std::nullopt;
  }
  const auto line = FindKey(*s, TrimBlanks(key));
  if (!line) {
    return std::nullopt;
  }
  const std::string_view value = ValueOf(lines_[*line]);
  return std::string(value.substr(0, kMaxValueLength));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (HasLineEnd(section) || section.find(']') != std::string_view::npos) {
    throw std::invalid_argument("INI section name that cannot be written");
  }
  const std::string_view name = TrimBlanks(key);
  if (HasLineEnd(key) || key.find('=') != std::string_view::npos ||
      (!name.empty() && (name.front() == ';' || name.front() == '['))) {
    throw std::invalid_argument("INI key name that cannot be written");
  }

  std::uint32_t section_number = 0;
  if (const auto found = FindSection(section)) {
    section_number = *found;
  } else {
    const std::size_t begin = text_.size();
    text_ += '[';
    text_.append(section);
    text_ += ']';
    Section created;
    created.header = AddLine(begin, text_.size() - begin, LineKind::Section);
    created.anchor = created.header;
    section_number = static_cast<std::uint32_t>(sections_.size());
    sections_.push_back(created);
    new_section_index_.emplace(FoldCase(TrimBlanks(section)), section_number);
    new_sections_.push_back(section_number);
  }

  const std::optional<std::uint32_t> existing = FindKey(section_number, name);
  const std::size_t begin = text_.size();
  if (existing) {
    // In place: the line keeps its key as spelled and everything up to the '='.
    const std::string_view old_text = Text(lines_[*existing]);
    text_.append(old_text.substr(0, old_text.find('=') + 1));
  } else {
    text_.append(key);
    text_ += '=';
  }
  for (const char c : value) {
    text_ += IsLineEnd(c) ? ' ' : c;
  }

  if (existing) {
    if (text_.size() > std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("INI text too long");
    }
    Line& line = lines_[*existing];
    line.begin = static_cast<std::uint32_t>(begin);
    line.size = static_cast<std::uint32_t>(text_.size() - begin);
    return;
  }
  const std::uint32_t line_number = AddLine(begin, text_.size() - begin, LineKind::Key);
  lines_[line_number].section = section_number & kSectionMask;
  appended_keys_.emplace(KeyName(section_number, FoldCase(name)), line_number);
  appended_[section_number].push_back(line_number);
}

void IniDocument::AppendLine(const Line& line, std::string& out) const {
  const std::string_view text = Text(line);
  if (KindOf(line) == LineKind::Other) {
    // A run of lines: each of their line ends, whatever its form, becomes CR LF.
    LineSplitter lines(text);
    bool first = true;
    for (std::string_view piece; lines.Next(piece); first = false) {
      if (!first) {
        out += "\r\n";
      }
      out.append(piece);
    }
    if (!text.empty() && IsLineEnd(text.back())) {
      out += "\r\n";  // the run's last line is empty
    }
  } else {
    out.append(text);
  }
  out += "\r\n";
}

std::string IniDocument::Serialize() const {
  // The lines after which keys appended to a section of the parsed text follow.
  std::map<std::uint32_t, std::uint32_t> followers;  // anchor line -> section
  for (const auto& [section, appended] : appended_) {
    if (section < parsed_sections_) {
      followers.emplace(sections_[section].anchor, section);
    }
  }
  std::string out;
  out.reserve(text_.size() + 2 * lines_.size());
  auto next_anchor = followers.begin();
  for (std::uint32_t i = 0; i < parsed_lines_; ++i) {
    AppendLine(lines_[i], out);
    if (next_anchor != followers.end() && next_anchor->first == i) {
      for (const std::uint32_t appended : appended_.at(next_anchor->second)) {
        AppendLine(lines_[appended], out);
      }
      ++next_anchor;
    }
  }
  for (const std::uint32_t s : new_sections_) {
    AppendLine(lines_[sections_[s].header], out);
    if (const auto appended = appended_.find(s); appended != appended_.end()) {
      for (const std::uint32_t line : appended->second) {
        AppendLine(lines_[line], out);
      }
    }
  }
  return out;
}

}  // namespace zufora
