#include "WindowMessageSink.h"

#include "ErrorBox.h"
#include "MessageBoxes.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {
namespace {

const QString kNoticeCaption = QStringLiteral("Zufora");

}  // namespace

WindowMessageSink::WindowMessageSink(MessageBoxes& boxes, QWidget& window,
                                     std::function<void(Page)> on_activate)
    : boxes_(boxes), window_(window), on_activate_(std::move(on_activate)) {}

void WindowMessageSink::ShowPlain(const std::string& text) {
  boxes_.Inform(&window_, QString::fromLatin1(kApplicationTitle), FromCp1252(text));
}

void WindowMessageSink::ShowNotice(const std::string& text) {
  boxes_.Inform(&window_, kNoticeCaption, FromCp1252(text));
}

bool WindowMessageSink::AskQuestion(const std::string& text) {
  return boxes_.Ask(&window_, kNoticeCaption, FromCp1252(text));
}

void WindowMessageSink::ActivatePage(Page page) {
  if (on_activate_) {
    on_activate_(page);
  }
}

}  // namespace zufora::app
