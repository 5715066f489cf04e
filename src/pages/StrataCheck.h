#pragma once

#include <optional>
#include <string>
#include <vector>

#include "design/Stratification.h"
#include "lang/MessageCatalogue.h"

namespace zufora {

// Why the factors of a design cannot be drawn: a catalogue message and the values it
// names (cp1252), composed when it is shown so that it follows the language file.
struct StrataProblem {
  Message message = Message::MessageFactorName;
  std::vector<std::string> values;

  std::string Text(const MessageCatalogue& messages) const {
    return messages.Compose(message, values);
  }
};

// The first problem of the factors, factor by factor in their order: more than
// kMaxFactors factors or kMaxLevels levels of one (MessageFactorCount, MessageLevelCount),
// an empty name (MessageFactorName), a field name that is not a letter followed by
// letters, digits and underscores (MessageFactorField) or that an earlier factor has
// already, without regard to case (MessageFactorFieldTwice), no level
// (MessageFactorLevels), a level without code or label (MessageLevelText), a code twice
// in one factor (MessageLevelCodeTwice). None when the factors can be drawn.
std::optional<StrataProblem> FindFactorProblem(const std::vector<StratificationFactor>& factors);

// Whether a field name can stand as a variable of data capture: an ASCII letter, then
// ASCII letters, digits and underscores.
bool IsFieldName(const std::string& field);

}  // namespace zufora
