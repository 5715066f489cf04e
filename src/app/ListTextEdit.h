#pragma once

#include <QPlainTextEdit>
#include <functional>

namespace zufora::app {

// The list field RichEditList: plain text that wraps on screen, a vertical scroll bar
// always shown, Tab inserts a tab. The user may edit it, but typed, pasted or dropped
// text with a character that cp1252 cannot hold is refused whole, and on_refused learns
// which character it was.
class ListTextEdit : public QPlainTextEdit {
 public:
  using Refusal = std::function<void(const QString& character)>;

  ListTextEdit(Refusal on_refused, QWidget* parent);

  // Shows a list text (lines ended by "\n") in one piece. The lines are held in
  // paragraphs of kLinesPerParagraph, separated within one by line separators, so that
  // a list of a million lines is shown at once and scrolls smoothly; ListText() gives
  // them back as lines.
  void ShowListText(const QString& text);
  // The field's text, user edits included, every line ended by "\n" but the last.
  QString ListText() const;

  static constexpr int kLinesPerParagraph = 100;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  bool Refuse(const QString& text);

  Refusal on_refused_;
};

}  // namespace zufora::app
