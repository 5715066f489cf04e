#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/TextComponent.h"

namespace zufora {

// A window as the translation walk and the views see it: its name, its caption and
// the components it owns, in ownership order. Texts are cp1252.
class TextWindow {
 public:
  TextWindow(std::string name, std::string caption);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

  // Appends a component; names are unique within a window (std::logic_error otherwise).
  TextComponent& Add(TextComponent component);

  std::vector<TextComponent>& Components() { return components_; }
  const std::vector<TextComponent>& Components() const { return components_; }

  TextComponent* Find(std::string_view component_name);
  const TextComponent* Find(std::string_view component_name) const;
  // The caption of a component that has one; std::logic_error for any other name.
  const std::string& CaptionOf(std::string_view component_name) const;

 private:
  std::string name_;
  std::string caption_;
  std::vector<TextComponent> components_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace zufora
