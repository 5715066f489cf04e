#include "Cp1252Validator.h"

#include "qtprint/Cp1252QString.h"

namespace zufora::app {

Cp1252Validator::Cp1252Validator(Refusal on_refused, QObject* parent)
    : QValidator(parent), on_refused_(std::move(on_refused)) {}

QValidator::State Cp1252Validator::validate(QString& input, int& /*position*/) const {
  const std::optional<QString> refused = FirstCharacterOutsideCp1252(input);
  if (!refused) {
    return Acceptable;
  }
  if (on_refused_) {
    on_refused_(*refused);
  }
  return Invalid;
}

}  // namespace zufora::app
