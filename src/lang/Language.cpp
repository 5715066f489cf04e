#include "lang/Language.h"

#include <array>

namespace zufora {
namespace {

constexpr std::string_view kCheckListDefault = "fsdef";

// Replaces each existing item whose key holds a non-empty value.
void ReplaceNonEmpty(std::vector<std::string>& texts, const LanguageFile& file,
                     std::string_view section, const std::string& key_start) {
  for (std::size_t n = 0; n < texts.size(); ++n) {
    const std::string_view value =
        file.Find(section, key_start + std::to_string(n) + "]").value_or("");
    if (!value.empty()) {
      texts[n] = std::string(value);
    }
  }
}

}  // namespace

void SetTextProperty(TextComponent& component, std::string_view property_name,
                     std::string_view value) {
  if (value.empty()) {
    return;
  }
  std::optional<std::string>* property = nullptr;
  if (property_name == "Caption") {
    property = &component.caption;
  } else if (property_name == "Hint") {
    property = &component.hint;
  } else if (property_name == "Category") {
    property = &component.category;
  }
  if (property != nullptr && property->has_value()) {
    **property = std::string(value);
  }
}

void TranslateWindow(TextWindow& window, const LanguageFile& file) {
  const std::string& name = window.Name();
  const std::string section = name.substr(0, name.find('_'));

  const std::string_view window_caption = file.Find(section, section + ".Caption").value_or("");
  if (!window_caption.empty()) {
    window.SetCaption(std::string(window_caption));
  }

  for (TextComponent& component : window.Components()) {
    const std::string key_start = section + "." + component.name + ".";
    for (const std::string_view property : {"Caption", "Hint", "Category"}) {
      SetTextProperty(component, property,
                      file.Find(section, key_start + std::string(property)).value_or(""));
    }

    const std::string& class_name = component.class_name;
    if (class_name == "TMemo" || class_name == "TCustomMemo") {
      const std::string lines_start = key_start + "Lines[";
      if (file.HasKey(section, lines_start + "0]")) {
        component.lines.clear();
        // Ends at the first missing index; every step consumes one entry of the file.
        for (std::size_t n = 0;; ++n) {
          const auto line = file.Find(section, lines_start + std::to_string(n) + "]");
          if (!line) {
            break;
          }
          component.lines.emplace_back(*line);
        }
      }
    } else if (class_name == "TCheckListBox") {
      for (std::size_t n = 0; n < component.items.size(); ++n) {
        const std::string_view value =
            file.Find(section, key_start + "Items[" + std::to_string(n) + "]")
                .value_or(kCheckListDefault);
        if (value != kCheckListDefault) {
          component.items[n] = std::string(value);
        }
      }
    } else if (class_name == "TRadioGroup" || class_name == "TComboBox") {
      ReplaceNonEmpty(component.items, file, section, key_start + "Items[");
    } else if (class_name == "THeaderControl") {
      ReplaceNonEmpty(component.sections, file, section, key_start + "Section[");
    }
  }
}

void TranslateWindows(std::span<TextWindow* const> windows, const LanguageFile& file) {
  for (TextWindow* window : windows) {
    TranslateWindow(*window, file);
  }
}

}  // namespace zufora
