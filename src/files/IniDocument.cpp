#include "files/IniDocument.h"

#include <cstring>
#include <stdexcept>

#include "text/TextFolding.h"

namespace zufora {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

unsigned char FoldByte(char c) {
  return static_cast<unsigned char>(FoldCase(c));
}

bool FoldedEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldByte(a[i]) != FoldByte(b[i])) {
      return false;
    }
  }
  return true;
}

// FNV-1a over the section number and the folded key, then a final mix so that the low
// bits, which pick the slot, depend on every byte.
std::uint64_t KeyHash(std::size_t section, std::string_view key) {
  std::uint64_t hash = 0xcbf29ce484222325ULL ^ static_cast<std::uint64_t>(section);
  for (const char c : key) {
    hash = (hash ^ FoldByte(c)) * 0x100000001b3ULL;
  }
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdULL;
  hash ^= hash >> 33;
  return hash;
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimWhere(text, IsBlank);
}

// Finds line ends from left to right in time linear in the whole text: the next CR and
// the next LF are each searched for (with memchr) only once the position passes them.
class LineEndFinder {
 public:
  explicit LineEndFinder(std::string_view text)
      : text_(text), next_cr_(Find('\r', 0)), next_lf_(Find('\n', 0)) {}

  // The position of the first CR or LF at or after `pos`, or the text's size.
  std::size_t Next(std::size_t pos) {
    if (next_cr_ < pos) {
      next_cr_ = Find('\r', pos);
    }
    if (next_lf_ < pos) {
      next_lf_ = Find('\n', pos);
    }
    return next_cr_ < next_lf_ ? next_cr_ : next_lf_;
  }

 private:
  std::size_t Find(char c, std::size_t pos) const {
    const void* found =
        pos < text_.size() ? std::memchr(text_.data() + pos, c, text_.size() - pos) : nullptr;
    return found == nullptr
               ? text_.size()
               : static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
  }

  std::string_view text_;
  std::size_t next_cr_;
  std::size_t next_lf_;
};

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

std::size_t IniDocument::AddLine(std::size_t begin, std::size_t size, LineKind kind) {
  Line line;
  line.begin = begin;
  line.size = size;
  line.kind = kind;
  lines_.push_back(line);
  return lines_.size() - 1;
}

void IniDocument::SetKeyRange(Line& line, std::size_t key_begin, std::size_t equals) const {
  const std::string_view key =
      TrimBlanks(std::string_view(text_.data() + key_begin, equals - key_begin));
  line.key_begin = static_cast<std::size_t>(key.data() - text_.data()) - line.begin;
  line.key_size = key.size();
}

void IniDocument::SetValueRange(Line& line, std::size_t equals) const {
  const std::string_view text(text_.data() + equals + 1, line.begin + line.size - equals - 1);
  std::string_view value = TrimBlanks(text);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  line.value_begin = static_cast<std::size_t>(value.data() - text_.data()) - line.begin;
  line.value_size = value.size();
}

std::string_view IniDocument::Text(const Line& line) const {
  return std::string_view(text_.data() + line.begin, line.size);
}

std::string_view IniDocument::KeyOf(const Line& line) const {
  return std::string_view(text_.data() + line.begin + line.key_begin, line.key_size);
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view name) const {
  const auto s = section_index_.find(FoldCase(TrimBlanks(name)));
  if (s == section_index_.end()) {
    return std::nullopt;
  }
  return s->second;
}

std::size_t IniDocument::FindSlot(std::size_t section, std::string_view key,
                                  std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.line == kEmptySlot) {
      return i;
    }
    if (slot.hash == hash) {
      const Line& line = lines_[slot.line];
      if (line.section == section && FoldedEqual(KeyOf(line), key)) {
        return i;
      }
    }
  }
}

void IniDocument::IndexKey(std::size_t line_number) {
  if (2 * (used_slots_ + 1) > slots_.size()) {
    std::vector<Slot> old(slots_.size() < 16 ? 32 : 2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.line != kEmptySlot) {
        std::size_t i = static_cast<std::size_t>(slot.hash) & mask;
        while (slots_[i].line != kEmptySlot) {
          i = (i + 1) & mask;
        }
        slots_[i] = slot;
      }
    }
  }
  const Line& line = lines_[line_number];
  const std::uint64_t hash = KeyHash(line.section, KeyOf(line));
  Slot& slot = slots_[FindSlot(line.section, KeyOf(line), hash)];
  if (slot.line == kEmptySlot) {
    slot.hash = hash;
    slot.line = line_number;
    ++used_slots_;
  }
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument doc;
  doc.text_.assign(bytes.data(), bytes.size());
  const std::string& t = doc.text_;
  const std::size_t n = t.size();

  std::size_t current = kNone;  // the section of the lines being read
  bool first_block = false;     // whether they are in its first occurrence
  std::size_t other_begin = kNone;
  std::size_t other_end = 0;
  const auto flush_other = [&] {
    if (other_begin != kNone) {
      doc.AddLine(other_begin, other_end - other_begin, LineKind::Other);
      other_begin = kNone;
    }
  };

  LineEndFinder line_ends(t);
  std::size_t pos = 0;
  while (pos < n) {
    const std::size_t end = line_ends.Next(pos);
    std::size_t next = end;
    if (next < n) {
      next += (t[next] == '\r' && next + 1 < n && t[next + 1] == '\n') ? 2U : 1U;
    }

    std::size_t i = pos;
    while (i < end && IsBlank(t[i])) {
      ++i;
    }
    bool indexed = false;
    if (i < end && t[i] == '[') {
      std::size_t close = i + 1;
      while (close < end && t[close] != ']') {
        ++close;
      }
      std::string folded = FoldCase(TrimBlanks(std::string_view(t.data() + i + 1, close - i - 1)));
      flush_other();
      const std::size_t line = doc.AddLine(pos, end - pos, LineKind::Section);
      const auto [it, inserted] =
          doc.section_index_.try_emplace(std::move(folded), doc.sections_.size());
      if (inserted) {
        Section section;
        section.header = line;
        section.anchor = line;
        doc.sections_.push_back(std::move(section));
      }
      current = it->second;
      first_block = inserted;
      indexed = true;
    } else if (i < end && t[i] != ';' && current != kNone) {
      const std::size_t equals = FindEquals(t, i, end);
      if (equals < end) {
        flush_other();
        const std::size_t line = doc.AddLine(pos, end - pos, LineKind::Key);
        doc.lines_[line].section = current;
        doc.SetKeyRange(doc.lines_[line], i, equals);
        doc.SetValueRange(doc.lines_[line], equals);
        doc.IndexKey(line);
        if (first_block) {
          doc.sections_[current].anchor = line;
        }
        indexed = true;
      }
    }
    if (!indexed) {
      if (other_begin == kNone) {
        other_begin = pos;
      }
      other_end = end;
    }
    pos = next;
  }
  flush_other();
  doc.parsed_lines_ = doc.lines_.size();
  return doc;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto s = FindSection(section);
  if (!s || slots_.empty()) {
    return std::nullopt;
  }
  const std::string_view name = TrimBlanks(key);
  const Slot& slot = slots_[FindSlot(*s, name, KeyHash(*s, name))];
  if (slot.line == kEmptySlot) {
    return std::nullopt;
  }
  const Line& line = lines_[slot.line];
  const std::size_t size = line.value_size < kMaxValueLength ? line.value_size : kMaxValueLength;
  return std::string(text_.data() + line.begin + line.value_begin, size);
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

  std::size_t section_number = 0;
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
    section_number = sections_.size();
    sections_.push_back(std::move(created));
    section_index_.emplace(FoldCase(TrimBlanks(section)), section_number);
    new_sections_.push_back(section_number);
  }

  std::size_t existing = kEmptySlot;
  if (!slots_.empty()) {
    existing = slots_[FindSlot(section_number, name, KeyHash(section_number, name))].line;
  }
  const std::size_t begin = text_.size();
  std::size_t equals = 0;
  if (existing != kEmptySlot) {
    // In place: the line keeps its key as spelled and everything up to the '='.
    const std::string_view old_text = Text(lines_[existing]);
    const std::string prefix(old_text.substr(0, old_text.find('=') + 1));
    text_ += prefix;
    equals = begin + prefix.size() - 1;
  } else {
    text_.append(key);
    equals = text_.size();
    text_ += '=';
  }
  for (const char c : value) {
    text_ += IsLineEnd(c) ? ' ' : c;
  }

  if (existing != kEmptySlot) {
    Line& line = lines_[existing];
    line.begin = begin;
    line.size = text_.size() - begin;
    SetKeyRange(line, begin, equals);
    SetValueRange(line, equals);
    return;
  }
  const std::size_t line_number = AddLine(begin, text_.size() - begin, LineKind::Key);
  lines_[line_number].section = section_number;
  SetKeyRange(lines_[line_number], begin, equals);
  SetValueRange(lines_[line_number], equals);
  IndexKey(line_number);
  Section& target = sections_[section_number];
  target.appended.push_back(line_number);
  if (target.anchor < parsed_lines_) {
    lines_[target.anchor].followers = static_cast<std::int32_t>(section_number);
  }
}

void IniDocument::AppendLine(const Line& line, std::string& out) const {
  const std::string_view text = Text(line);
  if (line.kind == LineKind::Other) {
    // A run of lines: each of their line ends, whatever its form, becomes CR LF.
    LineEndFinder line_ends(text);
    std::size_t i = 0;
    while (i < text.size()) {
      const std::size_t end = line_ends.Next(i);
      out.append(text.substr(i, end - i));
      if (end == text.size()) {
        break;
      }
      out += "\r\n";
      i = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2U : 1U);
    }
  } else {
    out.append(text);
  }
  out += "\r\n";
}

std::string IniDocument::Serialize() const {
  std::string out;
  out.reserve(text_.size() + 2 * lines_.size());
  for (std::size_t i = 0; i < parsed_lines_; ++i) {
    AppendLine(lines_[i], out);
    if (lines_[i].followers >= 0) {
      for (const std::size_t appended :
           sections_[static_cast<std::size_t>(lines_[i].followers)].appended) {
        AppendLine(lines_[appended], out);
      }
    }
  }
  for (const std::size_t s : new_sections_) {
    AppendLine(lines_[sections_[s].header], out);
    for (const std::size_t appended : sections_[s].appended) {
      AppendLine(lines_[appended], out);
    }
  }
  return out;
}

}  // namespace zufora
