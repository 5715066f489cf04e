#include "ListTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include "qtprint/Cp1252QString.h"

namespace zufora::app {

ListTextEdit::ListTextEdit(Refusal on_refused, QWidget* parent)
    : QPlainTextEdit(parent), on_refused_(std::move(on_refused)) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
}

void ListTextEdit::ShowListText(const QString& text) {
  QString shown = text;
  int line = 0;
  for (QChar& character : shown) {
    if (character == QLatin1Char('\n') && ++line % kLinesPerParagraph != 0) {
      character = QChar::LineSeparator;
    }
  }
  setPlainText(shown);
}

QString ListTextEdit::ListText() const {
  // The raw text keeps no-break spaces, which the plain text form would turn into blanks.
  QString text = document()->toRawText();
  for (QChar& character : text) {
    if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
      character = QLatin1Char('\n');
    }
  }
  return text;
}

bool ListTextEdit::Refuse(const QString& text) {
  const std::optional<QString> refused = FirstCharacterOutsideCp1252(text);
  if (refused && on_refused_) {
    on_refused_(*refused);
  }
  return refused.has_value();
}

void ListTextEdit::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty() && Refuse(event->text())) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void ListTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (Refuse(event->commitString())) {
    event->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

void ListTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source != nullptr && source->hasText() && Refuse(source->text())) {
    return;
  }
  QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace zufora::app
