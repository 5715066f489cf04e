#include "ApplyWindowTexts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>

#include "ListTextEdit.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {
namespace {

// A label without a buddy shows "&" as the marker of nothing: drop it as the caption's
// accelerator ("&&" stands for one "&").
QString LabelText(const QString& caption, bool has_buddy) {
  if (has_buddy) {
    return caption;
  }
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
      ++i;
    }
    text.append(caption[i]);
  }
  return text;
}

void ApplyCaption(QWidget& widget, const QString& caption) {
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(caption);
    if (qobject_cast<QPushButton*>(&widget) == nullptr) {
      button->adjustSize();
    }
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setTextFormat(Qt::PlainText);
    label->setText(LabelText(caption, label->buddy() != nullptr));
    if (label->alignment() & Qt::AlignLeft) {
      label->adjustSize();
    }
  }
}

}  // namespace

void ApplyWindowTexts(const ProgramTexts& texts, QWidget& window,
                      const MainWindowWidgets& widgets) {
  const TextWindow& main_window = texts.main_window;
  window.setWindowTitle(FromCp1252(main_window.Caption()));
  widgets.preview_button->setText(FromCp1252(texts.print_window.CaptionOf("Button1")));
  widgets.envelopes_button->setText(
      FromCp1252(texts.catalogue.Text(Message::LabelEnvelopesButton)));
  for (const TextComponent& component : main_window.Components()) {
    const QString name = QString::fromStdString(component.name);
    const QString caption = component.caption ? FromCp1252(*component.caption) : QString();
    if (component.class_name == "TTabSheet") {
      for (std::size_t page = 0; page < widgets.pages.size(); ++page) {
        if (widgets.pages[page]->objectName() == name) {
          widgets.tabs->setTabText(static_cast<int>(page), caption);
        }
      }
    }
    QWidget* widget = window.findChild<QWidget*>(name);
    if (widget == nullptr) {
      continue;
    }
    if (component.caption) {
      ApplyCaption(*widget, caption);
    }
    if (component.hint) {
      widget->setToolTip(FromCp1252(*component.hint));
    }
    if (component.class_name == "TMemo") {
      QStringList lines;
      for (const std::string& line : component.lines) {
        lines.append(FromCp1252(line));
      }
      if (auto* note = dynamic_cast<ListTextEdit*>(widget)) {
        note->ShowListText(lines.join(QLatin1Char('\n')));
      } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(lines.join(QLatin1Char('\n')));
      }
    }
  }
}

}  // namespace zufora::app
