#pragma once

#include <QValidator>
#include <functional>

namespace zufora::app {

// Refuses an edit of a line field that would bring in a character that cp1252 cannot
// hold: the keystroke or paste is not taken, and on_refused learns which character it
// was, so that the window can say why.
class Cp1252Validator : public QValidator {
 public:
  using Refusal = std::function<void(const QString& character)>;

  Cp1252Validator(Refusal on_refused, QObject* parent);

  State validate(QString& input, int& position) const override;

 private:
  Refusal on_refused_;
};

}  // namespace zufora::app
