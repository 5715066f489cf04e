#include "RefusalNote.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

#include "qtprint/Cp1252QString.h"

namespace zufora::app {
namespace {

// Replaces "%1", "%2", ... in one pass; the values may hold any character, cp1252 or not.
QString Fill(const QString& text, const QStringList& values) {
  QString filled;
  filled.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') &&
        text[i + 1] <= QLatin1Char('9')) {
      const qsizetype number = text[i + 1].unicode() - u'0';
      if (number <= values.size()) {
        filled += values[number - 1];
        ++i;
        continue;
      }
    }
    filled += text[i];
  }
  return filled;
}

}  // namespace

QString RefusalNoteText(const MessageCatalogue& catalogue, const RefusedCharacters& refused) {
  if (refused.only_first) {
    return Fill(FromCp1252(catalogue.Text(Message::MessageCharacterRefused)), {refused.first});
  }
  return Fill(FromCp1252(catalogue.Text(Message::MessageCharactersRefused)),
              {QString::number(refused.count), refused.first});
}

void ShowRefusalNote(QWidget& window, const QString& note) {
  QWidget* field = QApplication::focusWidget();
  const QPoint where = field != nullptr && field->window() == &window
                           ? field->mapToGlobal(QPoint(0, field->height()))
                           : window.mapToGlobal(QPoint(window.width() / 4, window.height() / 2));
  QToolTip::showText(where, note, field);
  QApplication::beep();
}

}  // namespace zufora::app
