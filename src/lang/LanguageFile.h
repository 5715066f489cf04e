#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zufora {

// A language file read whole and indexed once. The bytes are cp1252 and read as:
// - lines end at CR, LF or CR LF; a byte-order mark is ordinary text of the first line;
// - every line loses its leading and trailing blanks and control characters (bytes up
//   to 0x20, and 0x7F);
// - empty lines and lines starting with ';' are ignored;
// - "[name]" opens the section "name" (the name losing its leading and trailing blanks,
//   and only those: a tab or another control character stays);
// - lines before the first section are ignored;
// - inside a section a line holding '=' is an entry: key before the first '=', value
//   after it, both losing only their blanks (a value that begins with a tab keeps it,
//   a key followed by a tab is another key); a line without '=' is no entry;
// - section names and keys compare without regard to letter case (cp1252 letters);
// - a key is present whatever its value, the empty value included.
// A section that appears twice continues the first one; of two entries with the same
// key the first wins. Any bytes are accepted. Names are kept in ordered trees, never in
// hash tables whose buckets a crafted file could aim at: parsing takes O(n log n) in
// the file's size, a lookup logarithmic time, whatever the names.
class LanguageFile {
 public:
  LanguageFile() = default;  // a file without sections
  static LanguageFile Parse(std::string bytes);

  bool HasKey(std::string_view section, std::string_view key) const;
  // The value of a present key (a view into this file), or nothing.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // The value of a present key, else default_value.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value = {}) const;

  std::size_t SectionCount() const { return sections_.size(); }
  std::size_t EntryCount() const;

  // The bytes of names compared so far while indexing and finding: the work of the
  // index, for tests of its worst case.
  std::uint64_t IndexWork() const { return work_ ? *work_ : 0; }

 private:
  struct Span {
    std::size_t offset = 0;
    std::size_t length = 0;
  };
  // Orders folded names and counts the bytes it compares.
  struct NameLess {
    using is_transparent = void;
    std::uint64_t* work;
    bool operator()(std::string_view a, std::string_view b) const {
      *work += 1 + (a.size() < b.size() ? a.size() : b.size());
      return a < b;
    }
  };
  using Section = std::map<std::string, Span, NameLess>;  // by folded key

  std::shared_ptr<std::uint64_t> work_ = std::make_shared<std::uint64_t>(0);
  // Offsets, not views: a moved std::string may move its characters.
  std::string bytes_;
  std::map<std::string, Section, NameLess> sections_{NameLess{work_.get()}};  // folded names
};

}  // namespace zufora
