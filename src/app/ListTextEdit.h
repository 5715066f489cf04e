#pragma once

#include <QPlainTextEdit>
#include <functional>

#include "ListParagraphs.h"
#include "RefusedCharacters.h"

namespace zufora::app {

// The list field RichEditList: plain text that wraps on screen, a vertical scroll bar
// always shown, Tab inserts a tab. The user may edit it; of typed, pasted or dropped
// text the characters that cp1252 cannot hold are left out, and on_refused learns which.
//
// The text is held in bounded paragraphs (ListParagraphs.h), so that a list of a million
// lines is shown at once and scrolls smoothly, and a line of any length stays quick to
// edit. What the field gives back (ListText(), a copied selection) is the text as lines.
class ListTextEdit : public QPlainTextEdit {
 public:
  using Refusal = std::function<void(const RefusedCharacters& refused)>;

  ListTextEdit(Refusal on_refused, QWidget* parent);

  // Shows a list text (lines ended by "\n") in one piece.
  void ShowListText(const QString& text);
  // The field's text, user edits included, every line ended by "\n" but the last.
  QString ListText() const;

  static constexpr int kLinesPerParagraph = app::kLinesPerParagraph;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // The cp1252 part of text, after telling on_refused what was left out.
  QString Acceptable(const QString& text);
  // Inserts text at the cursor, replacing the selection, as one step to undo.
  void InsertText(const QString& text);
  // The text between two positions of the document, as lines.
  QString TextBetween(int start, int end) const;

  Refusal on_refused_;
};

}  // namespace zufora::app
