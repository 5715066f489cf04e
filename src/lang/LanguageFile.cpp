#include "lang/LanguageFile.h"

#include "text/LineSplitter.h"
#include "text/TextFolding.h"

namespace zufora {
namespace {

// Whole lines lose blanks and control characters at their ends; names, keys and values
// lose blanks only, so a tab that begins a value stays part of it.
std::string_view StripLine(std::string_view text) {
  return TrimWhere(text, IsBlankOrControl);
}

std::string_view StripBlanks(std::string_view text) {
  return TrimWhere(text, [](char c) { return c == ' '; });
}

}  // namespace

LanguageFile LanguageFile::Parse(std::string bytes) {
  LanguageFile file;
  file.bytes_ = std::move(bytes);
  const std::string_view all(file.bytes_);
  Section* section = nullptr;
  LineSplitter lines(all);
  for (std::string_view whole_line; lines.Next(whole_line);) {
    const std::string_view line = StripLine(whole_line);
    if (line.empty() || line.front() == ';') {
      continue;
    }
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = &file.sections_
                     .try_emplace(FoldCase(StripBlanks(line.substr(1, line.size() - 2))),
                                  NameLess{file.work_.get()})
                     .first->second;
      continue;
    }
    if (section == nullptr) {
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    const std::string_view value = StripBlanks(line.substr(equals + 1));
    const auto offset = static_cast<std::size_t>(value.data() - all.data());
    section->try_emplace(FoldCase(StripBlanks(line.substr(0, equals))), Span{offset, value.size()});
  }
  return file;
}

std::optional<std::string_view> LanguageFile::Find(std::string_view section,
                                                   std::string_view key) const {
  const auto found_section = sections_.find(FoldCase(section));
  if (found_section == sections_.end()) {
    return std::nullopt;
  }
  const auto found_key = found_section->second.find(FoldCase(key));
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
