#pragma once

#include <QGuiApplication>
#include <memory>

namespace zufora {

// Fonts and printers need a QGuiApplication. A program without one (the command line)
// makes it with a OffscreenPrintApplication for as long as it prints. Unless a platform is asked for
// (QT_QPA_PLATFORM), it runs offscreen, so that no display is needed, and Qt's messages
// below the critical ones are kept from standard error meanwhile. Does nothing while an
// application exists already.
class OffscreenPrintApplication {
 public:
  OffscreenPrintApplication();
  ~OffscreenPrintApplication();
  OffscreenPrintApplication(const OffscreenPrintApplication&) = delete;
  OffscreenPrintApplication& operator=(const OffscreenPrintApplication&) = delete;

 private:
  int argc_ = 1;
  char program_[11] = "zufora-cli";
  char platform_option_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {program_, nullptr, nullptr, nullptr};
  QtMessageHandler previous_handler_ = nullptr;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace zufora
