#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zufora {

// The core's cp1252 texts and Qt's strings. QString::fromLatin1 would get 0x80-0x9F wrong.
QString CoreToQString(std::string_view cp1252);

}  // namespace zufora
