#include "lang/LanguageFile.h"

#include <algorithm>

namespace zufora {
namespace {

bool IsStripped(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

std::string_view Strip(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsStripped(text[begin])) {
    ++begin;
  }
  while (end > begin && IsStripped(text[end - 1])) {
    --end;
  }
  return text.substr(begin, end - begin);
}

// Lower case of the cp1252 letters, so that names written with capitals match.
char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) {  // S, OE, Z with caron or ligature
    return static_cast<char>(byte + 0x10);
  }
  if (byte == 0x9F) {  // Y with diaeresis
    return static_cast<char>(0xFF);
  }
  return c;
}

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    c = FoldCase(c);
  }
  return folded;
}

}  // namespace

LanguageFile LanguageFile::Parse(std::string bytes) {
  LanguageFile file;
  file.bytes_ = std::move(bytes);
  const std::string_view all(file.bytes_);
  Section* section = nullptr;
  // The next CR and the next LF, each searched again only once passed: linear overall.
  std::size_t next_cr = std::min(all.find('\r'), all.size());
  std::size_t next_lf = std::min(all.find('\n'), all.size());
  std::size_t position = 0;
  while (position < all.size()) {
    if (next_cr < position) {
      next_cr = std::min(all.find('\r', position), all.size());
    }
    if (next_lf < position) {
      next_lf = std::min(all.find('\n', position), all.size());
    }
    const std::size_t end = std::min(next_cr, next_lf);
    const std::string_view line = Strip(all.substr(position, end - position));
    position = end + 1;
    if (end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n') {
      ++position;
    }

    if (line.empty() || line.front() == ';') {
      continue;
    }
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = &file.sections_[Folded(Strip(line.substr(1, line.size() - 2)))];
      continue;
    }
    if (section == nullptr) {
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    const std::string_view value = Strip(line.substr(equals + 1));
    const auto offset = static_cast<std::size_t>(value.data() - all.data());
    section->try_emplace(Folded(Strip(line.substr(0, equals))), Span{offset, value.size()});
  }
  return file;
}

std::optional<std::string_view> LanguageFile::Find(std::string_view section,
                                                   std::string_view key) const {
  const auto found_section = sections_.find(Folded(section));
  if (found_section == sections_.end()) {
    return std::nullopt;
  }
  const auto found_key = found_section->second.find(Folded(key));
  if (found_key == found_section->second.end()) {
    return std::nullopt;
  }
  return std::string_view(bytes_).substr(found_key->second.offset, found_key->second.length);
}

bool LanguageFile::HasKey(std::string_view section, std::string_view key) const {
  return Find(section, key).has_value();
}

std::string LanguageFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view default_value) const {
  return std::string(Find(section, key).value_or(default_value));
}

std::size_t LanguageFile::EntryCount() const {
  std::size_t count = 0;
  for (const auto& [name, section] : sections_) {
    count += section.size();
  }
  return count;
}

}  // namespace zufora
