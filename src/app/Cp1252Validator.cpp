#include "Cp1252Validator.h"

#include <algorithm>

namespace zufora::app {
namespace {

// The part of `after` that an edit of `before` put in: what lies between the longest
// common start and the longest common end, never inside a surrogate pair.
struct Edit {
  qsizetype start = 0;     // where the edit begins, in both texts
  qsizetype kept_end = 0;  // length of the common end
};

Edit EditBetween(const QString& before, const QString& after) {
  const qsizetype shorter = std::min(before.size(), after.size());
  Edit edit;
  while (edit.start < shorter && before[edit.start] == after[edit.start]) {
    ++edit.start;
  }
  if (edit.start > 0 && after[edit.start - 1].isHighSurrogate()) {
    --edit.start;
  }
  while (edit.kept_end < shorter - edit.start &&
         before[before.size() - 1 - edit.kept_end] == after[after.size() - 1 - edit.kept_end]) {
    ++edit.kept_end;
  }
  if (edit.kept_end > 0 && after[after.size() - edit.kept_end].isLowSurrogate()) {
    --edit.kept_end;
  }
  return edit;
}

}  // namespace

Cp1252Validator::Cp1252Validator(Refusal on_refused, QObject* parent)
    : QValidator(parent), on_refused_(std::move(on_refused)) {}

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
  if (KeepCp1252(input).refused.count == 0) {
    last_accepted_ = input;
    return Acceptable;
  }
  // The edit replaced a part of the last text (a selection, or nothing) by what it put in;
  // of that, the characters that cp1252 holds are taken.
  const Edit edit = EditBetween(last_accepted_, input);
  const Cp1252Input inserted =
      KeepCp1252(QStringView(input).mid(edit.start, input.size() - edit.start - edit.kept_end));
  if (on_refused_) {
    on_refused_(inserted.refused);
  }
  if (inserted.kept.isEmpty()) {
    return Invalid;  // nothing of the edit can be taken: the field undoes it
  }
  input = last_accepted_.left(edit.start) + inserted.kept + last_accepted_.right(edit.kept_end);
  position = static_cast<int>(edit.start + inserted.kept.size());
  last_accepted_ = input;
  return Acceptable;
}

}  // namespace zufora::app
