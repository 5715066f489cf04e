#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

namespace zufora {

// Fonts and printers need a QGuiApplication. A program without one (the command line)
// makes it with an OffscreenPrintApplication for as long as it prints. Unless a platform
// is asked for (QT_QPA_PLATFORM), it runs offscreen, so that no display is needed, and
// Qt's messages below the critical ones are kept from standard error meanwhile. Does
// nothing while an application exists already.
class OffscreenPrintApplication {
 public:
  // program_name: the calling program's name, Qt's argv[0].
  explicit OffscreenPrintApplication(std::string program_name);
  ~OffscreenPrintApplication();
  OffscreenPrintApplication(const OffscreenPrintApplication&) = delete;
  OffscreenPrintApplication& operator=(const OffscreenPrintApplication&) = delete;

 private:
  // QGuiApplication keeps argc and argv: they live as long as it does.
  std::string program_name_;
  int argc_ = 1;
  char platform_option_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {nullptr, nullptr, nullptr, nullptr};
  QtMessageHandler previous_handler_ = nullptr;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace zufora
