#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zufora {

// An INI text read whole and indexed once, behaving like the platform's per-key INI
// functions as far as this program can tell: section and key names compare without
// regard to case, blanks around keys and values are dropped, a value in matching quotes
// reads without them, lines starting with ';' are comments, CR LF or LF end lines, the
// first of duplicate keys wins, and a text value reads as at most its first 2047 bytes.
// Setting a key changes it in place (or appends it to its section, or appends the
// section), keeping every other line of the text as it was. All operations take time
// linear in the text, or constant per key after the index is built.
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

 private:
  enum class LineKind : std::uint8_t { Other, Section, Key };

  // A line, or for Other a run of consecutive lines of no interest (blank, comment, no
  // key, before the first section), stored as a range of text_ without its final line end.
  struct Line {
    std::size_t begin = 0;
    std::size_t size = 0;
    // Key lines: the key's and the value's ranges inside the line, blanks (and the
    // value's quotes) removed, and the index of the line's section.
    std::size_t key_begin = 0;
    std::size_t key_size = 0;
    std::size_t value_begin = 0;
    std::size_t value_size = 0;
    std::size_t section = 0;
    LineKind kind = LineKind::Other;
    // When keys appended by Set follow this line: the index of their section.
    std::int32_t followers = -1;
  };

  struct Section {
    std::size_t header = 0;  // the line of its first occurrence
    std::size_t anchor = 0;  // appended keys follow this line (last key of the first block)
    std::vector<std::size_t> appended;  // lines added by Set, in order
  };

  // The key index: open addressing over (section, folded key), each slot naming the
  // first line of its key; flat, so that a lookup touches little memory.
  static constexpr std::size_t kEmptySlot = static_cast<std::size_t>(-1);
  struct Slot {
    std::uint64_t hash = 0;
    std::size_t line = kEmptySlot;
  };

  std::size_t AddLine(std::size_t begin, std::size_t size, LineKind kind);
  void SetKeyRange(Line& line, std::size_t key_begin, std::size_t equals) const;
  void SetValueRange(Line& line, std::size_t equals) const;
  std::string_view Text(const Line& line) const;
  std::string_view KeyOf(const Line& line) const;
  void AppendLine(const Line& line, std::string& out) const;
  std::optional<std::size_t> FindSection(std::string_view name) const;
  // The slot of a key: the one that holds it, or the empty one where it would go.
  std::size_t FindSlot(std::size_t section, std::string_view key, std::uint64_t hash) const;
  // Indexes a key line unless its key is indexed already (the first one wins).
  void IndexKey(std::size_t line);

  std::string text_;  // the parsed text, then the texts of lines that Set wrote
  std::vector<Line> lines_;
  std::size_t parsed_lines_ = 0;  // lines_[0, parsed_lines_) are the parsed text in order
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> section_index_;  // folded name -> sections_
  std::vector<Slot> slots_;  // a power of two in size, at most half full
  std::size_t used_slots_ = 0;
  std::vector<std::size_t> new_sections_;  // sections that Set appended, in order
};

}  // namespace zufora
