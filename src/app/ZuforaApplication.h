#pragma once

#include <QApplication>

namespace zufora::app {

class MessageBoxes;

// The application object. Every event passes through notify(): an exception that
// escapes an event handler is shown in the general error box, and the program goes on
// with the next event.
class ZuforaApplication : public QApplication {
 public:
  // argc must outlive the application (Qt keeps a reference).
  ZuforaApplication(int& argc, char** argv);

  // The boxes that show escaped errors; they must outlive their use. Until set, escaped
  // errors go to the standard error stream.
  void SetErrorBoxes(MessageBoxes* boxes) { error_boxes_ = boxes; }

  // Shows an error message in the general error box.
  void ReportError(const QString& message);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageBoxes* error_boxes_ = nullptr;
};

}  // namespace zufora::app
