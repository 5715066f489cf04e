#include "ListTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

namespace zufora::app {
namespace {

// Set on a paragraph that continues the line of the paragraph before it.
constexpr int kContinuesLine = QTextFormat::UserProperty;

bool ContinuesLine(const QTextBlock& block) {
  return block.blockFormat().boolProperty(kContinuesLine);
}

QTextBlockFormat ParagraphFormat(bool continues_line) {
  QTextBlockFormat format;
  if (continues_line) {
    format.setProperty(kContinuesLine, true);
  }
  return format;
}

// A paragraph's text with its line separators as "\n".
void AppendLines(QString& out, QStringView text) {
  const qsizetype start = out.size();
  out.append(text);
  for (qsizetype i = start; i < out.size(); ++i) {
    if (out[i] == QChar::LineSeparator) {
      out[i] = QLatin1Char('\n');
    }
  }
}

}  // namespace

ListTextEdit::ListTextEdit(Refusal on_refused, QWidget* parent)
    : QPlainTextEdit(parent), on_refused_(std::move(on_refused)) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
}

void ListTextEdit::ShowListText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  std::vector<int> continuing;  // numbers of the paragraphs that continue a line
  int paragraph = 0;
  WriteParagraphs(text, 1, 0,
                  {.text = [&shown](QStringView piece) { shown.append(piece); },
                   .paragraph =
                       [&](bool continues_line) {
                         shown.append(QLatin1Char('\n'));
                         ++paragraph;
                         if (continues_line) {
                           continuing.push_back(paragraph);
                         }
                       }});
  setPlainText(shown);
  if (continuing.empty()) {
    return;
  }
  // Marking the pieces is no edit the user could undo.
  document()->setUndoRedoEnabled(false);
  for (const int number : continuing) {
    QTextCursor(document()->findBlockByNumber(number)).setBlockFormat(ParagraphFormat(true));
  }
  document()->setUndoRedoEnabled(true);
}

QString ListTextEdit::ListText() const {
  return TextBetween(0, document()->characterCount() - 1);
}

QString ListTextEdit::TextBetween(int start, int end) const {
  QString text;
  if (end <= start) {
    return text;
  }
  text.reserve(end - start);
  for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
    const int block_start = block.position();
    if (block_start > end) {
      break;
    }
    // The raw text keeps no-break spaces, which the plain text form would turn into blanks.
    const QString raw = block.text();
    if (block_start > start && !ContinuesLine(block)) {
      text.append(QLatin1Char('\n'));
    }
    const int from = std::max(start - block_start, 0);
    const int to = std::min(end - block_start, static_cast<int>(raw.size()));
    if (to > from) {
      AppendLines(text, QStringView(raw).mid(from, to - from));
    }
  }
  return text;
}

QString ListTextEdit::Acceptable(const QString& text) {
  Cp1252Input input = KeepCp1252(text);
  if (input.refused.count > 0 && on_refused_) {
    on_refused_(input.refused);
  }
  return std::move(input.kept);
}

void ListTextEdit::InsertText(const QString& text) {
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  const QString paragraph = cursor.block().text();
  WriteParagraphs(text, static_cast<int>(paragraph.count(QChar::LineSeparator)) + 1,
                  static_cast<int>(paragraph.size()),
                  {.text = [&cursor](QStringView piece) { cursor.insertText(piece.toString()); },
                   .paragraph =
                       [&cursor](bool continues_line) {
                         cursor.insertBlock(ParagraphFormat(continues_line));
                       }});
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}

void ListTextEdit::keyPressEvent(QKeyEvent* event) {
  QTextCursor cursor = textCursor();
  const bool plain_key = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain_key &&
      !isReadOnly()) {
    // A new line never continues the one before, whatever paragraph it is typed in.
    InsertText(QStringLiteral("\n"));
    event->accept();
    return;
  }
  // Between the pieces of a long line there is no character: the key takes the next one.
  if (!cursor.hasSelection() && plain_key && !isReadOnly()) {
    if (event->key() == Qt::Key_Backspace && cursor.atBlockStart() &&
        ContinuesLine(cursor.block())) {
      cursor.movePosition(QTextCursor::PreviousCharacter);
      cursor.deletePreviousChar();
      setTextCursor(cursor);
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Delete && cursor.atBlockEnd() && cursor.block().next().isValid() &&
        ContinuesLine(cursor.block().next())) {
      cursor.movePosition(QTextCursor::NextCharacter);
      cursor.deleteChar();
      setTextCursor(cursor);
      event->accept();
      return;
    }
  }
  if (!event->text().isEmpty() && !isReadOnly()) {
    const Cp1252Input input = KeepCp1252(event->text());
    if (input.refused.count > 0) {
      if (on_refused_) {
        on_refused_(input.refused);
      }
      if (!input.kept.isEmpty()) {
        InsertText(input.kept);
      }
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void ListTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  const Cp1252Input input = KeepCp1252(event->commitString());
  if (input.refused.count == 0) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  if (on_refused_) {
    on_refused_(input.refused);
  }
  QInputMethodEvent kept(event->preeditString(), event->attributes());
  kept.setCommitString(input.kept, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&kept);
  event->accept();
}

bool ListTextEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void ListTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) {
    return;
  }
  const QString kept = Acceptable(source->text());
  if (!kept.isEmpty()) {
    InsertText(kept);
  }
}

QMimeData* ListTextEdit::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* selection = new QMimeData;
  selection->setText(TextBetween(cursor.selectionStart(), cursor.selectionEnd()));
  return selection;
}

}  // namespace zufora::app
