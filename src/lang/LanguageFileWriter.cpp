#include "lang/LanguageFileWriter.h"

#include <algorithm>
#include <optional>

#include "text/TextFolding.h"

namespace zufora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Whether a value reads back as it stands: the reader strips both ends of every line
// and value, and a line ends at CR or LF.
bool Carried(std::string_view value) {
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    return false;
  }
  return value.empty() || (!IsBlankOrControl(value.front()) && !IsBlankOrControl(value.back()));
}

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void Entry(std::string_view key, std::string_view value, bool as_comment) {
    if (as_comment) {
      // A comment line must stay one line: its breaks become blanks.
      std::string shown(value);
      std::replace_if(
          shown.begin(), shown.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
      Line("; ", key, "=", shown);
    } else {
      Line("", key, "=", value);
    }
  }

  // An entry for a text that is written only when it says something.
  void NonEmpty(std::string_view key, const std::optional<std::string>& value) {
    if (value && !value->empty()) {
      Entry(key, *value, !Carried(*value));
    }
  }

  void Line(std::string_view a = {}, std::string_view b = {}, std::string_view c = {},
            std::string_view d = {}) {
    out_.append(a).append(b).append(c).append(d).append(kLineEnd);
  }

 private:
  std::string& out_;
};

void WriteIndexed(Writer& writer, const std::string& key_start,
                  const std::vector<std::string>& texts) {
  for (std::size_t n = 0; n < texts.size(); ++n) {
    writer.NonEmpty(key_start + std::to_string(n) + "]", texts[n]);
  }
}

void WriteWindow(Writer& writer, const TextWindow& window) {
  const std::string& name = window.Name();
  const std::string section = name.substr(0, name.find('_'));
  writer.Line("[", section, "]");
  writer.NonEmpty(section + ".Caption", window.Caption());

  for (const TextComponent& component : window.Components()) {
    const std::string prefix = section + "." + component.name + ".";
    writer.NonEmpty(prefix + "Caption", component.caption);
    writer.NonEmpty(prefix + "Hint", component.hint);
    writer.NonEmpty(prefix + "Category", component.category);

    const std::string& kind = component.class_name;
    if (kind == "TMemo" || kind == "TCustomMemo") {
      const bool all_carried = std::all_of(component.lines.begin(), component.lines.end(),
                                           [](const std::string& line) { return Carried(line); });
      if (!all_carried) {
        writer.Line("; ", component.name,
                    ": lines with blanks at an end, which a language file cannot carry.");
        writer.Line("; Remove \"; \" before all of them to translate them.");
      }
      for (std::size_t n = 0; n < component.lines.size(); ++n) {
        writer.Entry(prefix + "Lines[" + std::to_string(n) + "]", component.lines[n], !all_carried);
      }
    } else if (kind == "TCheckListBox" || kind == "TRadioGroup" || kind == "TComboBox") {
      WriteIndexed(writer, prefix + "Items[", component.items);
    } else if (kind == "THeaderControl") {
      WriteIndexed(writer, prefix + "Section[", component.sections);
    }
  }
}

std::string WriteLanguageFileText(std::span<const TextWindow* const> windows,
                                  std::string_view heading, const LanguageIdentity* language) {
  std::string out;
  Writer writer(out);
  std::size_t start = 0;
  while (start < heading.size()) {
    const std::size_t end = std::min(heading.find('\n', start), heading.size());
    writer.Line("; ", heading.substr(start, end - start));
    start = end + 1;
  }
  if (language != nullptr) {
    writer.Line();
    writer.Line("[", kLanguageSection, "]");
    writer.NonEmpty("Code", language->code);
    writer.NonEmpty("Name", language->name);
  }
  for (const TextWindow* window : windows) {
    writer.Line();
    WriteWindow(writer, *window);
  }
  return out;
}

}  // namespace

std::string WriteLanguageFileText(std::span<const TextWindow* const> windows,
                                  std::string_view heading) {
  return WriteLanguageFileText(windows, heading, nullptr);
}

std::string WriteLanguageFileText(const ProgramTexts& texts, std::string_view heading) {
  return WriteLanguageFileText(texts.Windows(), heading, &texts.language);
}

}  // namespace zufora
