#include "DocumentLink.h"

#include <QFile>
#include <QUrl>
#include <array>
#include <system_error>

namespace zufora::app {

QString DocumentLinkAddress(const QString& caption,
                            const std::filesystem::path& executable_folder) {
  const QUrl address = QUrl::fromUserInput(caption.trimmed());
  if (!address.isLocalFile() || QFile::exists(address.toLocalFile())) {
    return caption;
  }
  const std::array<std::filesystem::path, 2> readmes = {
      executable_folder / "README.md",
      (executable_folder / ".." / "share" / "doc" / "zufora" / "README.md").lexically_normal()};
  for (const std::filesystem::path& readme : readmes) {
    std::error_code error;
    if (std::filesystem::is_regular_file(readme, error)) {
      return QUrl::fromLocalFile(QFile::decodeName(readme.string().c_str())).toString();
    }
  }
  return caption;
}

}  // namespace zufora::app
