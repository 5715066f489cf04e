#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "MessageBoxes.h"

namespace zufora::testing {

// Records every box the window shows, in order, and answers questions from a script
// (Yes once the script has run out, unless told otherwise).
class ScriptedMessageBoxes : public app::MessageBoxes {
 public:
  enum class Kind { Inform, Ask, Error };
  struct Box {
    Kind kind;
    QString caption;
    QString text;
    bool answer = false;
    bool operator==(const Box&) const = default;
  };

  void Inform(QWidget* parent, const QString& caption, const QString& text) override;
  bool Ask(QWidget* parent, const QString& caption, const QString& text) override;
  void ShowError(QWidget* parent, const QString& caption, const QString& text) override;

  void ScriptAnswers(std::vector<bool> answers);
  const std::vector<Box>& Boxes() const { return boxes_; }
  // The texts of the boxes, in order.
  std::vector<QString> Texts() const;
  void Clear() { boxes_.clear(); }

 private:
  std::vector<Box> boxes_;
  std::deque<bool> answers_;
};

}  // namespace zufora::testing
