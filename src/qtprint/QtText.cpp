#include "qtprint/QtText.h"

#include "text/Cp1252.h"

namespace zufora {

QString CoreToQString(std::string_view cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

}  // namespace zufora
