#include "QtFileDialogs.h"

#include <QFileDialog>

namespace zufora::app {
namespace {

std::optional<QString> Run(QWidget* parent, const FileDialogRequest& request,
                           QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(mode);
  // An open dialog takes only a file that exists, so that a typo cannot replace the design.
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(request.filter));
  QString extension = request.default_extension;
  if (extension.startsWith(QLatin1Char('.'))) {
    extension.remove(0, 1);
  }
  dialog.setDefaultSuffix(extension);
  if (!request.proposed_name.isEmpty()) {
    dialog.selectFile(request.proposed_name);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString bracketed = QLatin1Char('(') + pattern + QLatin1Char(')');
    filters.append(description.contains(bracketed) ? description
                                                   : description + QLatin1Char(' ') + bracketed);
  }
  return filters;
}

std::optional<QString> QtFileDialogs::AskSaveFileName(QWidget* parent,
                                                      const FileDialogRequest& request) {
  return Run(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtFileDialogs::AskOpenFileName(QWidget* parent,
                                                      const FileDialogRequest& request) {
  return Run(parent, request, QFileDialog::AcceptOpen);
}

}  // namespace zufora::app
