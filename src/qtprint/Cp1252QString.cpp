#include "qtprint/Cp1252QString.h"

#include <QStringDecoder>

#include "text/Cp1252.h"

namespace zufora {

QString FromCp1252(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToCp1252(const QString& text) {
  if (!text.isValidUtf16()) {
    return std::nullopt;  // a lone surrogate: toUtf8 would drop it without a word
  }
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::optional<QString> FirstCharacterOutsideCp1252(const QString& text) {
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    if (!ToCp1252(character)) {
      return character;
    }
    i += length;
  }
  return std::nullopt;
}

QString FromMessageBytes(std::string_view bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!decoder.hasError()) {
    return text;
  }
  return FromCp1252(bytes);
}

}  // namespace zufora
