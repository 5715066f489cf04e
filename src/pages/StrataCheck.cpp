#include "pages/StrataCheck.h"

#include <set>

#include "design/Limits.h"

namespace zufora {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string FoldedAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

}  // namespace

bool IsFieldName(const std::string& field) {
  if (field.empty() || !IsAsciiLetter(field.front())) {
    return false;
  }
  for (const char c : field) {
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_') {
      return false;
    }
  }
  return true;
}

std::optional<StrataProblem> FindFactorProblem(const std::vector<StratificationFactor>& factors) {
  if (factors.size() > static_cast<std::size_t>(kMaxFactors)) {
    return StrataProblem{Message::MessageFactorCount, {std::to_string(kMaxFactors)}};
  }
  std::set<std::string> fields;
  for (std::size_t f = 0; f < factors.size(); ++f) {
    const StratificationFactor& factor = factors[f];
    if (factor.name.empty()) {
      return StrataProblem{Message::MessageFactorName, {std::to_string(f + 1)}};
    }
    if (!IsFieldName(factor.field)) {
      return StrataProblem{Message::MessageFactorField, {factor.field, factor.name}};
    }
    if (!fields.insert(FoldedAscii(factor.field)).second) {
      return StrataProblem{Message::MessageFactorFieldTwice, {factor.field}};
    }
    if (factor.levels.empty()) {
      return StrataProblem{Message::MessageFactorLevels, {factor.name}};
    }
    if (factor.levels.size() > static_cast<std::size_t>(kMaxLevels)) {
      return StrataProblem{Message::MessageLevelCount, {std::to_string(kMaxLevels)}};
    }
    std::set<std::string> codes;
    for (std::size_t l = 0; l < factor.levels.size(); ++l) {
      const FactorLevel& level = factor.levels[l];
      if (level.code.empty() || level.label.empty()) {
        return StrataProblem{Message::MessageLevelText, {std::to_string(l + 1), factor.name}};
      }
      if (!codes.insert(level.code).second) {
        return StrataProblem{Message::MessageLevelCodeTwice, {level.code, factor.name}};
      }
    }
  }
  return std::nullopt;
}

}  // namespace zufora
