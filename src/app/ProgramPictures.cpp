#include "ProgramPictures.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <array>
#include <stdexcept>

namespace zufora::app {
namespace {

constexpr char kLogoFileName[] = "logo_med.bmp";

// The arms of the three blocks, by colour.
constexpr std::array<std::array<int, 3>, 3> kBlocks = {{{1, 0, 2}, {0, 2, 1}, {2, 0, 1}}};

void DrawBlocks(QPainter& painter, const QRectF& area) {
  const std::array<QColor, 3> arms = {QColor(0x2a, 0x9d, 0x8f), QColor(0xf4, 0xa2, 0x61),
                                      QColor(0xf1, 0xfa, 0xee)};
  const qreal unit = area.width() / 64.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1d, 0x35, 0x57));
  painter.drawRoundedRect(area, 10 * unit, 10 * unit);
  for (std::size_t row = 0; row < kBlocks.size(); ++row) {
    for (std::size_t column = 0; column < kBlocks[row].size(); ++column) {
      painter.setBrush(arms[static_cast<std::size_t>(kBlocks[row][column])]);
      const QRectF cell(area.left() + (4 + 20 * static_cast<qreal>(column)) * unit,
                        area.top() + (4 + 20 * static_cast<qreal>(row)) * unit, 16 * unit,
                        16 * unit);
      painter.drawRoundedRect(cell, 3 * unit, 3 * unit);
    }
  }
}

}  // namespace

QPixmap ProgramPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawBlocks(painter, QRectF(0, 0, size, size));
  return picture;
}

QPixmap BuiltInLogo() {
  constexpr int kWidth = 107;
  constexpr int kHeight = 100;
  QPixmap logo(kWidth, kHeight);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawBlocks(painter, QRectF((kWidth - 72) / 2.0, 2, 72, 72));
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(18);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x1d, 0x35, 0x57));
  painter.drawText(QRect(0, 76, kWidth, 22), Qt::AlignCenter, QStringLiteral("Zufora"));
  return logo;
}

std::optional<QPixmap> LogoFromCurrentFolder() {
  const QFileInfo file(QString::fromLatin1(kLogoFileName));
  if (!file.exists()) {
    return std::nullopt;
  }
  QImage image(file.filePath());
  if (image.isNull()) {
    throw std::runtime_error(std::string(kLogoFileName) + " ist kein lesbares Bild");
  }
  QPixmap logo = QPixmap::fromImage(image);
  const QColor transparent = image.pixelColor(0, image.height() - 1);
  logo.setMask(logo.createMaskFromColor(transparent, Qt::MaskInColor));
  return logo;
}

}  // namespace zufora::app
