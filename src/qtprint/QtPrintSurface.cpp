#include "qtprint/QtPrintSurface.h"

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPen>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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

std::runtime_error PrinterError(const QString& text) {
  return std::runtime_error(text.toStdString());
}

// Whether the file ends as a complete PDF does: a job cut short by a full disk does not.
bool EndsAsPdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16) {
    return false;
  }
  file.seek(file.size() - 16);
  return file.read(16).contains("%%EOF");
}

// Qt's PDF writer compresses every page with a fresh zlib stream and copies the page
// through large buffers. glibc maps such buffers afresh and gives freed memory at the
// heap's top back to the system, page after page, so that a long job spent a third of
// its time in page faults. Buffers up to 32 MB now come from the heap, and up to 64 MB
// of freed memory stay with the process.
void KeepHeapTopForPages() {
#ifdef __GLIBC__
  static const int kept = mallopt(M_MMAP_THRESHOLD, 32 << 20) + mallopt(M_TRIM_THRESHOLD, 64 << 20);
  (void)kept;
#endif
}

}  // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer, PageObserver observer)
    : printer_(printer),
      observer_(std::move(observer)),
      page_width_(printer.width()),
      page_height_(printer.height()),
      resolution_y_(printer.logicalDpiY()) {
  ApplyFont();
}

QtPrintSurface::~QtPrintSurface() {
  AbortDocument();
}

void QtPrintSurface::SetFont(const PrintFont& font) {
  font_ = font;
  ApplyFont();
}

void QtPrintSurface::ApplyFont() {
  constexpr std::size_t kMostFontsKept = 64;
  FontKey key{font_.face, font_.point_size, font_.bold, font_.italic};
  auto made = made_fonts_.find(key);
  if (made == made_fonts_.end()) {
    if (made_fonts_.size() >= kMostFontsKept) {
      made_fonts_.clear();
    }
    QFont font;
    const QString face = FromCp1252(font_.face);
    const QString twin = MetricTwin(face);
    font.setFamilies(twin.isEmpty() ? QStringList{face} : QStringList{face, twin});
    // The height a device context gives a font of this point size: whole pixels, halves
    // rounded away from zero.
    const std::int64_t points = font_.point_size;
    const std::int64_t pixels = (std::llabs(points * resolution_y_) + 36) / 72;
    font.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(pixels, 1, 1 << 20)));
    font.setBold(font_.bold);
    font.setItalic(font_.italic);
    font.setKerning(false);  // a device context measures and draws without kerning
    QFontMetrics metrics(font, &printer_);
    const std::int32_t ascent = metrics.ascent();
    made = made_fonts_.emplace(std::move(key), MadeFont{font, metrics, ascent}).first;
  }
  qfont_ = made->second.font;
  metrics_ = &made->second.metrics;
  ascent_ = made->second.ascent;
  if (painter_.isActive()) {
    painter_.setFont(qfont_);
  }
}

QString QtPrintSurface::FamilyInUse() const {
  return QFontInfo(qfont_).family();
}

std::int32_t QtPrintSurface::TextWidth(std::string_view text) {
  return metrics_->horizontalAdvance(FromCp1252(text));
}

void QtPrintSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  // Blanks leave no ink (no background is painted); the table's empty columns are full
  // of them.
  if (text.find_first_not_of(' ') == std::string_view::npos) {
    return;
  }
  const QColor color(font_.color.red, font_.color.green, font_.color.blue);
  if (painter_.pen().color() != color) {
    QPen pen = painter_.pen();
    pen.setColor(color);
    painter_.setPen(pen);
  }
  // QPainter places the baseline; the device context the top of the character cell.
  painter_.drawText(QPointF(x, static_cast<double>(y) + ascent_), FromCp1252(text));
}

void QtPrintSurface::MoveTo(std::int32_t x, std::int32_t y) {
  current_x_ = x;
  current_y_ = y;
}

void QtPrintSurface::LineTo(std::int32_t x, std::int32_t y) {
  // A device context's line covers the pixels from its start up to, not including, its
  // end. A flat-capped pen one unit wide covers exactly that when the line runs through
  // the pixels' centres across its direction; along it, a line drawn towards smaller
  // coordinates covers the pixels after its end point, up to and including its start.
  double x1 = current_x_;
  double y1 = current_y_;
  double x2 = x;
  double y2 = y;
  if (y == current_y_) {
    y1 += 0.5;
    y2 += 0.5;
    if (x < current_x_) {
      x1 += 1;
      x2 += 1;
    }
  } else if (x == current_x_) {
    x1 += 0.5;
    x2 += 0.5;
    if (y < current_y_) {
      y1 += 1;
      y2 += 1;
    }
  } else {
    x1 += 0.5;
    y1 += 0.5;
    x2 += 0.5;
    y2 += 0.5;
  }
  if (x != current_x_ || y != current_y_) {
    if (painter_.pen().color() != Qt::black) {
      QPen pen = painter_.pen();
      pen.setColor(Qt::black);
      painter_.setPen(pen);
    }
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  }
  current_x_ = x;
  current_y_ = y;
}

void QtPrintSurface::FillRect(const PrintRect& rect, PrintColor color) {
  const std::int64_t width = std::int64_t{rect.right} - rect.left;
  const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  // QRect(left, top, width, height): QRect(QPoint, QPoint) would be one unit larger.
  painter_.fillRect(
      QRectF(rect.left, rect.top, static_cast<double>(width), static_cast<double>(height)),
      QColor(color.red, color.green, color.blue));
}

void QtPrintSurface::DoBeginDocument(std::string_view name) {
  KeepHeapTopForPages();
  printer_.setDocName(FromCp1252(name));
  target_file_ = printer_.outputFileName();
  temporary_file_.clear();
  if (!target_file_.isEmpty()) {
    QTemporaryFile reserved(target_file_ + QStringLiteral(".XXXXXX.pdf"));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
      throw PrinterError(QStringLiteral("Cannot write %1: %2")
                             .arg(QFileInfo(target_file_).filePath(), reserved.errorString()));
    }
    temporary_file_ = reserved.fileName();
    reserved.close();
    printer_.setOutputFileName(temporary_file_);
  }
  if (!painter_.begin(&printer_)) {
    FinishPainter();
    DiscardTemporaryFile();
    throw PrinterError(QStringLiteral("The printer could not start the print job"));
  }
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setBrush(Qt::NoBrush);
  painter_.setPen(QPen(QBrush(Qt::black), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter_.setFont(qfont_);  // begin() reset the painter's font
}

void QtPrintSurface::DoNewPage() {
  if (observer_) {
    observer_(PageNumber());
  }
  if (!printer_.newPage() || printer_.printerState() == QPrinter::Error ||
      printer_.printerState() == QPrinter::Aborted) {
    throw PrinterError(QStringLiteral("The printer could not begin page %1").arg(PageNumber() + 1));
  }
}

void QtPrintSurface::DoEndDocument() {
  if (observer_) {
    observer_(PageNumber());
  }
  const bool ended = FinishPainter();
  if (!ended || printer_.printerState() == QPrinter::Error) {
    DiscardTemporaryFile();
    throw PrinterError(QStringLiteral("The printer could not finish the print job"));
  }
  if (temporary_file_.isEmpty()) {
    return;
  }
  if (!EndsAsPdf(temporary_file_)) {
    DiscardTemporaryFile();
    throw PrinterError(QStringLiteral("Cannot write %1: the disk may be full").arg(target_file_));
  }
  // A new file gets the permissions of an ordinary file, an existing one keeps its own.
  const QFileInfo target(target_file_);
  QFile::setPermissions(temporary_file_, target.exists() ? QFile::permissions(target_file_)
                                                         : QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ReadGroup | QFile::ReadOther);
  // rename() replaces the file in one step.
  if (std::rename(QFile::encodeName(temporary_file_).constData(),
                  QFile::encodeName(target_file_).constData()) != 0) {
    const int error = errno;
    DiscardTemporaryFile();
    throw PrinterError(QStringLiteral("Cannot write %1: %2")
                           .arg(target_file_, QString::fromLocal8Bit(std::strerror(error))));
  }
  temporary_file_.clear();
}

void QtPrintSurface::DoAbortDocument() {
  printer_.abort();
  FinishPainter();
  DiscardTemporaryFile();
}

bool QtPrintSurface::FinishPainter() {
  bool ended = true;
  if (painter_.isActive()) {
    ended = painter_.end();
  }
  if (!temporary_file_.isEmpty()) {
    printer_.setOutputFileName(target_file_);
  }
  return ended;
}

void QtPrintSurface::DiscardTemporaryFile() {
  if (!temporary_file_.isEmpty()) {
    QFile::remove(temporary_file_);
    temporary_file_.clear();
  }
}

}  // namespace zufora
