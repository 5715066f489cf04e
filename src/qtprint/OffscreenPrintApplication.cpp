#include "qtprint/OffscreenPrintApplication.h"

#include <QtGlobal>
#include <utility>

namespace zufora {
namespace {

// Qt's notes about its environment (no runtime folder, no session bus) mean nothing to a
// user of the command line; critical messages still reach standard error.
void CriticalOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    qt_message_output(type, context, message);  // NOLINT: Qt's default output
  }
}

}  // namespace

OffscreenPrintApplication::OffscreenPrintApplication(std::string program_name)
    : program_name_(std::move(program_name)) {
  if (QCoreApplication::instance() != nullptr) {
    return;
  }
  argv_[0] = program_name_.data();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    argv_[argc_++] = platform_option_;
    argv_[argc_++] = platform_;
  }
  previous_handler_ = qInstallMessageHandler(CriticalOnly);
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenPrintApplication::~OffscreenPrintApplication() {
  if (application_) {
    application_.reset();
    qInstallMessageHandler(previous_handler_);
  }
}

}  // namespace zufora
