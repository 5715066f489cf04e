// zufora-render-icon SVG FOLDER SIZE...: renders the program's icon at each SIZE as
// FOLDER/SIZExSIZE/apps/NAME.png (NAME: the SVG's file name without extension), the
// layout of an icon theme. Used by the build; needs no display.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: zufora-render-icon SVG FOLDER SIZE...\n");
    return 2;
  }
  const QString svg = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "zufora-render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString name = QFileInfo(svg).completeBaseName();
  for (int i = 3; i < argc; ++i) {
    bool number = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
    if (!number || size < 1 || size > 4096) {
      std::fprintf(stderr, "zufora-render-icon: not a size: %s\n", argv[i]);
      return 2;
    }
    const QString folder =
        QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + name + ".png", "PNG")) {
      std::fprintf(stderr, "zufora-render-icon: cannot write into %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
