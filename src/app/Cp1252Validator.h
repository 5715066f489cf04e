#pragma once

#include <QValidator>
#include <functional>

#include "RefusedCharacters.h"

namespace zufora::app {

// Keeps out of a line field every character that cp1252 cannot hold: an edit (a
// keystroke, a paste, a drop) is taken without them, an edit that brings nothing else is
// not taken at all (a selection it would replace stays), and on_refused learns what was
// left out, so that the window can say so.
class Cp1252Validator : public QValidator {
 public:
  using Refusal = std::function<void(const RefusedCharacters& refused)>;

  Cp1252Validator(Refusal on_refused, QObject* parent);

  State validate(QString& input, int& position) const override;

 private:
  Refusal on_refused_;
  mutable QString last_accepted_;  // the field's text after its last accepted edit
};

}  // namespace zufora::app
