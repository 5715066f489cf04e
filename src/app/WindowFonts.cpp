#include "WindowFonts.h"

#include <QStringList>

namespace zufora::app {
namespace {

QFont SansFont(int points) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  return font;
}

}  // namespace

QFont WindowFont() {
  return SansFont(8);
}

QFont NoteFont(int points) {
  return SansFont(points);
}

}  // namespace zufora::app
