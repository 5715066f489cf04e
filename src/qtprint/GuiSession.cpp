#include "qtprint/GuiSession.h"

#include <QtGlobal>

namespace zufora {

GuiSession::GuiSession() {
  if (QCoreApplication::instance() != nullptr) {
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    argv_[argc_++] = platform_option_;
    argv_[argc_++] = platform_;
  }
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiSession::~GuiSession() = default;

}  // namespace zufora
