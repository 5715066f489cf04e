#include "RefusedCharacters.h"

#include "qtprint/Cp1252QString.h"

namespace zufora::app {
namespace {

bool HeldByCp1252(QStringView character) {
  const char16_t unit = character.front().unicode();
  if (character.size() == 1 && (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))) {
    return true;  // ASCII and Latin-1's letters, the same in cp1252: no conversion needed
  }
  return ToCp1252(character.toString()).has_value();
}

}  // namespace

Cp1252Input KeepCp1252(QStringView text) {
  Cp1252Input input;
  input.kept.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype length =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    const QStringView character = text.mid(i, length);
    if (HeldByCp1252(character)) {
      input.kept.append(character);
    } else {
      RefusedCharacters& refused = input.refused;
      if (refused.count == 0) {
        refused.first = character.toString();
      } else if (character != refused.first) {
        refused.only_first = false;
      }
      ++refused.count;
    }
    i += length;
  }
  return input;
}

}  // namespace zufora::app
