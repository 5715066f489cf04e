#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The core's texts are cp1252 bytes, Qt's are UTF-16: the window and the print surface
// convert between them only here. (QString::fromLatin1 would get 0x80-0x9F wrong.)
namespace zufora {

QString FromCp1252(std::string_view cp1252);
// Nothing when the text holds a character that cp1252 cannot represent (a lone
// surrogate included).
std::optional<std::string> ToCp1252(const QString& text);
// The first character of text that cp1252 cannot represent (a surrogate pair counts as
// one character), or nothing.
std::optional<QString> FirstCharacterOutsideCp1252(const QString& text);

// The message of an exception: its bytes as UTF-8 when they are valid UTF-8 (system
// messages and file names), otherwise as cp1252 (the program's own texts).
QString FromMessageBytes(std::string_view bytes);

}  // namespace zufora
