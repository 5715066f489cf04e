#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Texts cross between the core (cp1252 bytes) and Qt (UTF-16) only here.
namespace zufora::app {

QString FromCp1252(std::string_view cp1252);
// Nothing when the text holds a character that cp1252 cannot represent.
std::optional<std::string> ToCp1252(const QString& text);
// The first character of text that cp1252 cannot represent, or nothing.
std::optional<QString> FirstCharacterOutsideCp1252(const QString& text);

// The message of an exception: its bytes as UTF-8 when they are valid UTF-8 (system
// messages and file names), otherwise as cp1252 (the program's own texts).
QString FromMessageBytes(std::string_view bytes);

}  // namespace zufora::app
