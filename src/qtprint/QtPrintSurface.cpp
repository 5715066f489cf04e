#include "qtprint/QtPrintSurface.h"

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPen>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "print/PrintArithmetic.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/DeviceContextDrawing.h"

namespace zufora {
namespace {

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

QtPrintSurface::QtPrintSurface(QPrinter& printer, PageObserver observer, FileWriting writing)
    : printer_(printer),
      observer_(std::move(observer)),
      writing_(writing),
      page_width_(printer.width()),
      page_height_(printer.height()),
      resolution_y_(printer.logicalDpiY()),
      fonts_(printer, resolution_y_) {
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
  made_font_ = &fonts_.Get(font_);
  if (painter_.isActive()) {
    painter_.setFont(made_font_->font);
  }
}

QString QtPrintSurface::FamilyInUse() const {
  return QFontInfo(made_font_->font).family();
}

std::int32_t QtPrintSurface::TextWidth(std::string_view text) {
  return made_font_->metrics.horizontalAdvance(FromCp1252(text));
}

void QtPrintSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  // Blanks leave no ink (no background is painted); the table's empty columns are full
  // of them.
  if (text.find_first_not_of(' ') == std::string_view::npos) {
    return;
  }
  // QPainter places the baseline; the device context the top of the character cell.
  DrawDeviceText(painter_, x, ClampToInt32(std::int64_t{y} + made_font_->ascent), FromCp1252(text),
                 font_.color);
}

void QtPrintSurface::MoveTo(std::int32_t x, std::int32_t y) {
  current_x_ = x;
  current_y_ = y;
}

void QtPrintSurface::LineTo(std::int32_t x, std::int32_t y) {
  DrawDeviceLine(painter_, current_x_, current_y_, x, y);
  current_x_ = x;
  current_y_ = y;
}

void QtPrintSurface::FillRect(const PrintRect& rect, PrintColor color) {
  FillDeviceRect(painter_, rect, color);
}

void QtPrintSurface::DoBeginDocument(std::string_view name) {
  KeepHeapTopForPages();
  printer_.setDocName(FromCp1252(name));
  target_file_ = printer_.outputFileName();
  temporary_file_.clear();
  if (!target_file_.isEmpty() && writing_ == FileWriting::kReplaceWhenComplete) {
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
  painter_.setFont(made_font_->font);  // begin() reset the painter's font
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
    if (!target_file_.isEmpty() && !EndsAsPdf(target_file_)) {
      throw PrinterError(QStringLiteral("Cannot write %1: the disk may be full").arg(target_file_));
    }
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
