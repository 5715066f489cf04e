#include "ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zufora::app {

ToolkitTranslation::~ToolkitTranslation() {
  Remove();
}

void ToolkitTranslation::Remove() {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
  }
}

bool ToolkitTranslation::Load(std::string_view code) {
  Remove();
  const QString file = QStringLiteral("qtbase_") +
                       QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
  // "qtbase_pt_BR" falls back to "qtbase_pt" when there is no file for the region.
  if (!translator_.load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
  return installed_;
}

}  // namespace zufora::app
