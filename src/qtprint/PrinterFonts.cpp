#include "qtprint/PrinterFonts.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "qtprint/Cp1252QString.h"

namespace zufora {
namespace {

// Faces that Debian does not ship, with the free font of the same metrics.
QString MetricTwin(const QString& face) {
  if (face.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Sans");
  }
  if (face.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Serif");
  }
  if (face.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Mono");
  }
  return {};
}

}  // namespace

const PrinterFont& PrinterFonts::Get(const PrintFont& wanted) {
  // A job uses a handful of fonts; fitted cells switch between them all the time.
  constexpr std::size_t kMostFontsKept = 64;
  Key key{wanted.face, wanted.point_size, wanted.bold, wanted.italic};
  const auto found = made_.find(key);
  if (found != made_.end()) {
    return found->second;
  }
  if (made_.size() >= kMostFontsKept) {
    made_.clear();
  }
  QFont font;
  const QString face = FromCp1252(wanted.face);
  const QString twin = MetricTwin(face);
  font.setFamilies(twin.isEmpty() ? QStringList{face} : QStringList{face, twin});
  // The height a device context gives a font of this point size: whole pixels, halves
  // rounded away from zero.
  const std::int64_t points = wanted.point_size;
  const std::int64_t pixels = (std::llabs(points * resolution_y_) + 36) / 72;
  font.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(pixels, 1, 1 << 20)));
  font.setBold(wanted.bold);
  font.setItalic(wanted.italic);
  font.setKerning(false);  // a device context measures and draws without kerning
  QFontMetrics metrics(font, &device_);
  const auto ascent = static_cast<std::int32_t>(metrics.ascent());
  return made_.emplace(std::move(key), PrinterFont{font, metrics, ascent}).first->second;
}

}  // namespace zufora
