#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zufora {

// An INI text read whole and indexed once, behaving like the platform's per-key INI
// functions as far as this program can tell: section and key names compare without
// regard to case, blanks around keys and values are dropped, a value in matching quotes
// reads without them, lines starting with ';' are comments, CR LF or LF end lines, the
// first of duplicate keys wins, and a text value reads as at most its first 2047 bytes.
// Setting a key changes it in place (or appends it to its section, or appends the
// section), keeping every other line of the text as it was. Parsing takes time
// O(n log n) in the text's size n also in the worst case, finding a key logarithmic
// time; the index costs about 12 bytes per line and 4 per key beside the text.
//
// The details, for texts written by hand or by other programs:
// - A lone CR ends a line as LF and CR LF do; Serialize ends every line with CR LF.
// - A section line is '[' (after blanks) and the name up to the first ']', or up to the
//   end of the line when there is none; blanks around the name are dropped.
// - A key line is any other line with an '=' that is not a comment: the key is the text
//   before the first '=', the value the rest. A line without '=' is no key.
// - Lines before the first section line belong to no section and are never found.
// - A section that occurs more than once is one section: its keys are those of all its
//   occurrences, the first of a duplicate key winning; keys that Set appends go to its
//   first occurrence, after its last key line.
// - "Blanks" are spaces and tabs. Case is folded for the letters of cp1252. The names
//   given to Get and Set are compared with their blanks at either end dropped too.
// - Any bytes are accepted (NUL included); a text with neither line ends nor '=' is one
//   line that is kept as it is.
class IniDocument {
 public:
  // The longest text value that Get returns; longer values are cut.
  static constexpr std::size_t kMaxValueLength = 2047;

  IniDocument() = default;
  // Throws std::length_error for a text longer than kMaxTextSize.
  static IniDocument Parse(std::string_view bytes);

  // The value of a key, or nothing when the section or key is absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Sets the first occurrence of the key, or appends it. A value is one line: each CR or
  // LF in it is written as a blank, so that no value can break the structure of the text.
  // The value is written as it stands otherwise, so blanks at its ends and a pair of
  // enclosing quotes do not survive a Get, as with the platform's functions. Names with
  // a line end, a key with '=' or starting with ';' or '[', and a section with ']' are
  // programming errors and throw std::invalid_argument.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, every line followed by CR LF.
  std::string Serialize() const;

  // The bytes of names compared so far while indexing and finding keys and sections: the
  // work of the index, which stays within a few times the text's size times the
  // logarithm of its number of keys, whatever the keys are.
  std::uint64_t IndexWork() const { return index_work_; }

  // The longest text that Parse takes.
  static constexpr std::size_t kMaxTextSize = std::size_t{1} << 30;

 private:
  enum class LineKind : std::uint8_t { Other, Section, Key };

  // A line, or for Other a run of consecutive lines of no interest (blank, comment, no
  // key, before the first section), stored as a range of text_ without its final line
  // end. Twelve bytes a line: the names and values inside are found again when needed.
  struct Line {
    std::uint32_t begin = 0;
    std::uint32_t size = 0;
    std::uint32_t section : 30 = 0;  // Key lines: the index of their section
    std::uint32_t kind : 2 = 0;      // a LineKind
  };

  struct Section {
    std::uint32_t header = 0;  // the line of its first occurrence
    std::uint32_t anchor = 0;  // appended keys follow this line (last key of the first block)
  };

  using KeyName = std::pair<std::uint32_t, std::string>;  // section, folded key

  std::uint32_t AddLine(std::size_t begin, std::size_t size, LineKind kind);
  static LineKind KindOf(const Line& line) { return static_cast<LineKind>(line.kind); }
  std::string_view Text(const Line& line) const;
  std::string_view SectionNameOf(const Line& line) const;
  std::string_view KeyOf(const Line& line) const;
  std::string_view ValueOf(const Line& line) const;
  void AppendLine(const Line& line, std::string& out) const;
  // Compares names as the index orders them, without regard to case.
  int CompareNames(std::string_view a, std::string_view b) const;
  std::optional<std::uint32_t> FindSection(std::string_view name) const;
  // The first line of a key, or nothing.
  std::optional<std::uint32_t> FindKey(std::uint32_t section, std::string_view key) const;
  void IndexParsedText(std::vector<std::uint32_t> headers, std::vector<std::uint32_t> keys);

  std::string text_;  // the parsed text, then the texts of lines that Set wrote
  std::vector<Line> lines_;
  std::uint32_t parsed_lines_ = 0;  // lines_[0, parsed_lines_) are the parsed text in order
  // Sections: those of the parsed text first, sorted by folded name, then those that Set
  // appended, in the order of writing.
  std::vector<Section> sections_;
  std::uint32_t parsed_sections_ = 0;
  std::map<std::string, std::uint32_t, std::less<>> new_section_index_;  // by folded name
  std::vector<std::uint32_t> new_sections_;
  // The key index: the first line of every key of the parsed text, sorted by section and
  // folded key, searched by bisection, so that no choice of keys can slow it down; keys
  // that Set appended are kept apart.
  std::vector<std::uint32_t> key_order_;
  std::map<KeyName, std::uint32_t> appended_keys_;
  std::map<std::uint32_t, std::vector<std::uint32_t>> appended_;  // section -> lines by Set
  mutable std::uint64_t index_work_ = 0;
};

}  // namespace zufora
