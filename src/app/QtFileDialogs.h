#pragma once

#include <QStringList>

#include "FileDialogs.h"

namespace zufora::app {

// The program's filter form ("description|pattern|description|pattern") as Qt name
// filters ("description (pattern)"); a description that already names its pattern in
// brackets is kept as it is.
QStringList QtNameFilters(const QString& filter);

// FileDialogs as modal QFileDialogs.
class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> AskSaveFileName(QWidget* parent,
                                         const FileDialogRequest& request) override;
  std::optional<QString> AskOpenFileName(QWidget* parent,
                                         const FileDialogRequest& request) override;
};

}  // namespace zufora::app
