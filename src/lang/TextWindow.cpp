#include "lang/TextWindow.h"

#include <stdexcept>

namespace zufora {

TextWindow::TextWindow(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

TextComponent& TextWindow::Add(TextComponent component) {
  const auto [it, inserted] = index_.emplace(component.name, components_.size());
  if (!inserted) {
    throw std::logic_error("duplicate component " + component.name + " in " + name_);
  }
  components_.push_back(std::move(component));
  return components_.back();
}

TextComponent* TextWindow::Find(std::string_view component_name) {
  const auto it = index_.find(std::string(component_name));
  return it == index_.end() ? nullptr : &components_[it->second];
}

const TextComponent* TextWindow::Find(std::string_view component_name) const {
  const auto it = index_.find(std::string(component_name));
  return it == index_.end() ? nullptr : &components_[it->second];
}

const std::string& TextWindow::CaptionOf(std::string_view component_name) const {
  const TextComponent* component = Find(component_name);
  if (component == nullptr || !component->caption) {
    throw std::logic_error("no caption for " + std::string(component_name) + " in " + name_);
  }
  return *component->caption;
}

}  // namespace zufora
