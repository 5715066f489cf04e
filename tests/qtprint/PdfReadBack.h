#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// What poppler reads back from a PDF, in device units of the printed page.
namespace zufora::qtprint_test {

// A word as poppler's text extraction places it, in device units of the printable area.
struct PdfWord {
  std::string text;  // UTF-8
  double x_min = 0;
  double y_min = 0;
  double x_max = 0;
  double y_max = 0;
};

// Words page by page (pdftotext -bbox). Points are turned into device units at `dpi`,
// less the margin (in device units) that separates the paper's corner from the
// printable area.
std::vector<std::vector<PdfWord>> ReadWords(const QString& pdf, int dpi, int margin);

// One page rasterised in grey without smoothing (pdftoppm -gray -aa no -aaVector no)
// at `dpi`, so that one pixel is one device unit.
struct GreyPage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // row by row, 0 black to 255 white
  std::uint8_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
GreyPage Rasterise(const QString& pdf, int page, int dpi);

// The document name the PDF carries as its title (pdfinfo).
std::string DocumentName(const QString& pdf);

// The names of the fonts the PDF embeds (pdffonts).
std::vector<std::string> EmbeddedFonts(const QString& pdf);

}  // namespace zufora::qtprint_test
