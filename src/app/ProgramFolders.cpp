#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QFile>

namespace zufora::app {

std::filesystem::path ExecutableFolder() {
  return std::filesystem::path(
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace zufora::app
