#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zufora {

// The translatable texts of one component of a window: what a language file can
// address. A property that the component does not have is absent (nullopt); lines,
// items and sections are used by the component classes that have them.
struct TextComponent {
  std::string name{};
  std::string class_name{};
  std::optional<std::string> caption{};
  std::optional<std::string> hint{};
  std::optional<std::string> category{};
  std::vector<std::string> lines{};     // multi-line text fields
  std::vector<std::string> items{};     // radio groups, check-list boxes, combo boxes
  std::vector<std::string> sections{};  // header bars

  bool operator==(const TextComponent&) const = default;
};

}  // namespace zufora
