#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace zufora::app {

// What a file dialog shows. The filter is in the program's own form: description and
// pattern pairs separated by "|" ("Zufora Design (*.zfd)|*.zfd|Alle Dateien (*.*)|*.*").
struct FileDialogRequest {
  QString title;
  QString filter;
  QString default_extension;  // added to a name typed without one; a leading "." is ignored
  QString proposed_name;      // the file name the dialog starts with; none when empty
};

// The open and save dialogs, reached only through this interface.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // A save dialog that asks before an existing file is replaced; nothing for a cancel.
  virtual std::optional<QString> AskSaveFileName(QWidget* parent,
                                                 const FileDialogRequest& request) = 0;
  // An open dialog that accepts only the name of a file that exists; nothing for a cancel.
  virtual std::optional<QString> AskOpenFileName(QWidget* parent,
                                                 const FileDialogRequest& request) = 0;
};

}  // namespace zufora::app
