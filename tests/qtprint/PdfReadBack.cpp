#include "PdfReadBack.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>

namespace zufora::qtprint_test {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    throw std::runtime_error((program + QStringLiteral(" failed: ") +
                              QString::fromLocal8Bit(process.readAllStandardError()))
                                 .toStdString());
  }
  return process.readAllStandardOutput();
}

QString Unescape(QString text) {
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text;
}

}  // namespace

std::vector<std::vector<PdfWord>> ReadWords(const QString& pdf, int dpi, int margin) {
  const QString html =
      QString::fromUtf8(Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"}));
  static const QRegularExpression kWord(QStringLiteral(
      R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">(.*)</word>)re"));
  const double scale = dpi / 72.0;
  std::vector<std::vector<PdfWord>> pages;
  for (const QString& line : html.split(QLatin1Char('\n'))) {
    if (line.trimmed().startsWith(QStringLiteral("<page "))) {
      pages.emplace_back();
      continue;
    }
    const QRegularExpressionMatch match = kWord.match(line);
    if (!match.hasMatch() || pages.empty()) {
      continue;
    }
    PdfWord word;
    word.x_min = match.captured(1).toDouble() * scale - margin;
    word.y_min = match.captured(2).toDouble() * scale - margin;
    word.x_max = match.captured(3).toDouble() * scale - margin;
    word.y_max = match.captured(4).toDouble() * scale - margin;
    word.text = Unescape(match.captured(5)).toStdString();
    pages.back().push_back(std::move(word));
  }
  return pages;
}

GreyPage Rasterise(const QString& pdf, int page, int dpi) {
  const QByteArray pgm =
      Run(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
           QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
           QStringLiteral("no"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
           QString::number(page), pdf});
  // "P5 width height 255" and one whitespace character, then the pixels.
  QList<QByteArray> header;
  qsizetype at = 0;
  while (header.size() < 4) {
    while (at < pgm.size() && QChar::isSpace(static_cast<uchar>(pgm[at]))) {
      ++at;
    }
    const qsizetype start = at;
    while (at < pgm.size() && !QChar::isSpace(static_cast<uchar>(pgm[at]))) {
      ++at;
    }
    if (start == at) {
      throw std::runtime_error("pdftoppm gave no PGM image");
    }
    header.push_back(pgm.mid(start, at - start));
  }
  ++at;
  GreyPage grey;
  grey.width = header[1].toInt();
  grey.height = header[2].toInt();
  const auto size = static_cast<qsizetype>(grey.width) * grey.height;
  if (header[0] != "P5" || header[3] != "255" || pgm.size() - at != size) {
    throw std::runtime_error("pdftoppm gave an unexpected PGM image");
  }
  grey.pixels.assign(pgm.begin() + at, pgm.end());
  return grey;
}

std::string DocumentName(const QString& pdf) {
  const QString info = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {pdf}));
  for (const QString& line : info.split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("Title:"))) {
      return line.mid(6).trimmed().toStdString();
    }
  }
  return {};
}

std::vector<std::string> EmbeddedFonts(const QString& pdf) {
  const QString table = QString::fromUtf8(Run(QStringLiteral("pdffonts"), {pdf}));
  std::vector<std::string> names;
  const QStringList lines = table.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (qsizetype i = 2; i < lines.size(); ++i) {  // after the heading and the rule
    names.push_back(
        lines[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toStdString());
  }
  return names;
}

}  // namespace zufora::qtprint_test
