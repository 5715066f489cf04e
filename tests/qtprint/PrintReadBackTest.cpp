#include <gtest/gtest.h>

#include <QDir>
#include <QPageSize>
#include <QRawFont>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "PdfReadBack.h"
#include "ZuforaCli.h"
#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "print/PrintLogQueries.h"
#include "print/TextFitter.h"
#include "qtprint/PdfListPrinter.h"
#include "support/RecordingSurface.h"
#include "text/Cp1252.h"

// The printed list read back from the PDF: every text, line and shaded band must land
// where the layout engine puts it on a recording surface, within one device unit.
namespace zufora {
namespace {

using print_test::DrawnLine;
using print_test::FillsOnPage;
using print_test::LinesOnPage;
using print_test::TextsOnPage;
using qtprint_test::GreyPage;
using qtprint_test::PdfWord;

constexpr int kDpi = 600;
constexpr int kMargin = 100;  // 12 points at 600 dots per inch
// Paper of 600 × 840 points: a printable area of 4800 × 6800 dots inside the margins.
constexpr int kPrintableWidth = 4800;
constexpr int kPrintableHeight = 6800;
constexpr double kTolerance = 1.0;

// Text widths as a printer device context gives them, worked out from the font files of
// Arial's metric twin: the font at its whole-pixel height, each character's advance on
// its own (no kerning), summed.
class FontFileMetrics {
 public:
  static int PixelHeight(const PrintFont& font) { return (font.point_size * kDpi + 36) / 72; }

  double Advance(const PrintFont& font, std::string_view cp1252) {
    const QRawFont& raw = Font(font);
    const QList<quint32> glyphs =
        raw.glyphIndexesForString(QString::fromStdString(Cp1252ToUtf8(cp1252)));
    double sum = 0;
    for (const QPointF& advance : raw.advancesForGlyphIndexes(
             glyphs, QRawFont::SeparateAdvances | QRawFont::UseDesignMetrics)) {
      sum += advance.x();
    }
    return sum;
  }

  double Ascent(const PrintFont& font) { return Font(font).ascent(); }

 private:
  const QRawFont& Font(const PrintFont& font) {
    EXPECT_EQ(font.face, "Arial");
    const auto key = std::make_tuple(PixelHeight(font), font.bold, font.italic);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
      const char* style =
          font.bold ? (font.italic ? "BoldItalic" : "Bold") : (font.italic ? "Italic" : "Regular");
      const QString file =
          QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-%1.ttf")
              .arg(QLatin1String(style));
      QRawFont raw(file, PixelHeight(font), QFont::PreferNoHinting);
      EXPECT_TRUE(raw.isValid()) << file.toStdString() << " (package fonts-liberation)";
      found = fonts_.emplace(key, raw).first;
    }
    return found->second;
  }

  std::map<std::tuple<int, bool, bool>, QRawFont> fonts_;
};

// The recording surface of the printable area, measuring texts as above.
class MeasuredRecordingSurface : public RecordingSurface {
 public:
  explicit MeasuredRecordingSurface(FontFileMetrics& metrics)
      : RecordingSurface(kPrintableWidth, kPrintableHeight, kDpi), metrics_(metrics) {}

  std::int32_t TextWidth(std::string_view text) override {
    return static_cast<std::int32_t>(std::lround(metrics_.Advance(Font(), text)));
  }
  std::int32_t FontAscent() override {
    return static_cast<std::int32_t>(std::lround(metrics_.Ascent(Font())));
  }

 private:
  FontFileMetrics& metrics_;
};

struct ExpectedWord {
  std::string text;  // UTF-8
  double x_min = 0;
  double x_max = 0;
  double y = 0;  // top of the character cell
  int height = 0;
  bool italic = false;
};

// The list text of a design file, as the command line draws it.
std::string ListText(const std::string& design) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunZuforaCli({"generate", design}, out, err, [] { return 0; });
  EXPECT_EQ(status, cli::kExitComplete) << err.str();
  return Utf8ToCp1252(out.str()).value_or("");
}

class PrintReadBackTest : public ::testing::Test {
 protected:
  void PrintAndCompare(const std::string& list_text) {
    ProgramTexts texts;
    ApplyFirstShowTexts(texts, nullptr);
    const PrintJobTexts job =
        PrintJobTexts::From(texts, list_text, [] { return std::string("08.12.26"); });

    ASSERT_TRUE(directory_.isValid());
    const QString pdf = directory_.filePath(QStringLiteral("list.pdf"));
    const PdfPrintResult result = PrintListToPdf(
        job, pdf, QPageSize(QSizeF(600, 840), QPageSize::Point, QString(), QPageSize::ExactMatch));
    ListPrintRun run;
    run.Print(expected_, job);

    const auto pages = static_cast<int>(expected_.PageCount());
    EXPECT_EQ(result.pages, pages);
    EXPECT_EQ(result.body_family.toStdString(), "Liberation Sans");
    for (const std::string& font : qtprint_test::EmbeddedFonts(pdf)) {
      // A subset's name carries a prefix: "ABCDEF+LiberationSans-Bold".
      EXPECT_NE(font.find("LiberationSans"), std::string::npos) << font;
    }
    const auto words = qtprint_test::ReadWords(pdf, kDpi, kMargin);
    ASSERT_EQ(static_cast<int>(words.size()), pages);
    for (int page = 1; page <= pages; ++page) {
      SCOPED_TRACE("page " + std::to_string(page));
      const std::vector<ExpectedWord> expected = ExpectedWords(page);
      CompareWords(expected, words[static_cast<std::size_t>(page - 1)]);
      CompareRaster(page, expected, qtprint_test::Rasterise(pdf, page, kDpi));
    }
  }

  // The words of the recorded texts, each where its text starts plus the advance of the
  // characters before it.
  std::vector<ExpectedWord> ExpectedWords(int page) {
    std::vector<ExpectedWord> words;
    for (const PrintOperation& op : TextsOnPage(expected_, page)) {
      std::size_t start = 0;
      while (start < op.text.size()) {
        const std::size_t blank = op.text.find(' ', start);
        const std::size_t end = blank == std::string::npos ? op.text.size() : blank;
        if (end > start) {
          const std::string_view word = std::string_view(op.text).substr(start, end - start);
          ExpectedWord expected;
          expected.text = Cp1252ToUtf8(word);
          expected.x_min = op.x + metrics_.Advance(op.font, op.text.substr(0, start));
          expected.x_max = expected.x_min + metrics_.Advance(op.font, word);
          expected.y = op.y;
          expected.height = FontFileMetrics::PixelHeight(op.font);
          expected.italic = op.font.italic;
          words.push_back(std::move(expected));
        }
        start = end + 1;
      }
    }
    return words;
  }

  static void CompareWords(const std::vector<ExpectedWord>& expected,
                           const std::vector<PdfWord>& printed) {
    std::vector<bool> used(printed.size(), false);
    for (const ExpectedWord& word : expected) {
      bool found = false;
      for (std::size_t i = 0; i < printed.size() && !found; ++i) {
        const PdfWord& candidate = printed[i];
        if (!used[i] && candidate.text == word.text &&
            std::abs(candidate.x_min - word.x_min) <= kTolerance &&
            std::abs(candidate.x_max - word.x_max) <= kTolerance &&
            std::abs(candidate.y_min - word.y) <= kTolerance) {
          used[i] = found = true;
        }
      }
      if (!found) {
        std::string near = "nothing";
        for (const PdfWord& candidate : printed) {
          if (candidate.text == word.text) {
            near = std::to_string(candidate.x_min) + ".." + std::to_string(candidate.x_max) +
                   " at " + std::to_string(candidate.y_min);
          }
        }
        ADD_FAILURE() << "\"" << word.text << "\" expected at x " << word.x_min << ".."
                      << word.x_max << ", y " << word.y << "; the PDF has " << near;
      }
    }
    for (std::size_t i = 0; i < printed.size(); ++i) {
      EXPECT_TRUE(used[i]) << "unexpected \"" << printed[i].text << "\" at " << printed[i].x_min
                           << ", " << printed[i].y_min;
    }
  }

  // Every pixel of the page: lines black exactly where the device context draws them
  // (start included, end left out), shading grey exactly over its rectangle, and no
  // other ink outside the texts' boxes.
  void CompareRaster(int page, const std::vector<ExpectedWord>& words, const GreyPage& grey) {
    ASSERT_EQ(grey.width, kPrintableWidth + 2 * kMargin);
    ASSERT_EQ(grey.height, kPrintableHeight + 2 * kMargin);
    const auto size = static_cast<std::size_t>(grey.width) * static_cast<std::size_t>(grey.height);
    std::vector<std::uint8_t> line(size, 0);
    std::vector<std::uint8_t> fill(size, 0);
    std::vector<std::uint8_t> text(size, 0);
    const auto mark = [&grey](std::vector<std::uint8_t>& mask, int x, int y) {
      const int px = x + kMargin;
      const int py = y + kMargin;
      if (px >= 0 && py >= 0 && px < grey.width && py < grey.height) {
        mask[static_cast<std::size_t>(py) * static_cast<std::size_t>(grey.width) +
             static_cast<std::size_t>(px)] = 1;
      }
    };
    for (const DrawnLine& drawn : LinesOnPage(expected_, page)) {
      ASSERT_TRUE(drawn.x1 == drawn.x2 || drawn.y1 == drawn.y2) << "a slanted line";
      const int dx = drawn.x2 > drawn.x1 ? 1 : (drawn.x2 < drawn.x1 ? -1 : 0);
      const int dy = drawn.y2 > drawn.y1 ? 1 : (drawn.y2 < drawn.y1 ? -1 : 0);
      for (int x = drawn.x1, y = drawn.y1; x != drawn.x2 || y != drawn.y2; x += dx, y += dy) {
        mark(line, x, y);
      }
    }
    for (const PrintRect& rect : FillsOnPage(expected_, page)) {
      for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
          mark(fill, x, y);
        }
      }
    }
    for (const ExpectedWord& word : words) {
      // The glyphs' ink stays inside the character cell; an italic glyph leans out of its
      // advance by up to a quarter of the height.
      const int lean = word.italic ? word.height / 4 : 2;
      const int cell = word.height * 6 / 5;
      for (int y = static_cast<int>(word.y) - 2; y <= static_cast<int>(word.y) + cell; ++y) {
        for (int x = static_cast<int>(word.x_min) - lean; x <= static_cast<int>(word.x_max) + lean;
             ++x) {
          mark(text, x, y);
        }
      }
    }
    int missing_line = 0;
    int stray_ink = 0;
    int stray_grey = 0;
    int missing_grey = 0;
    std::string first;
    for (int py = 0; py < grey.height; ++py) {
      for (int px = 0; px < grey.width; ++px) {
        const std::size_t at = static_cast<std::size_t>(py) * static_cast<std::size_t>(grey.width) +
                               static_cast<std::size_t>(px);
        const std::uint8_t value = grey.pixels[at];
        const bool black = value < 96;
        const bool shaded = value >= 96 && value < 240;
        const char* fault = nullptr;
        if (line[at] != 0 && !black) {
          ++missing_line;
          fault = "line pixel not black";
        } else if (black && line[at] == 0 && text[at] == 0) {
          ++stray_ink;
          fault = "ink outside lines and texts";
        } else if (shaded && fill[at] == 0 && text[at] == 0) {
          ++stray_grey;
          fault = "grey outside the shading";
        } else if (fill[at] != 0 && line[at] == 0 && text[at] == 0 && !shaded) {
          ++missing_grey;
          fault = "shading not grey";
        }
        if (fault != nullptr && first.empty()) {
          first = std::string(fault) + " at " + std::to_string(px - kMargin) + ", " +
                  std::to_string(py - kMargin) + " (" + std::to_string(value) + ")";
        }
      }
    }
    EXPECT_EQ(missing_line, 0) << first;
    EXPECT_EQ(stray_ink, 0) << first;
    EXPECT_EQ(stray_grey, 0) << first;
    EXPECT_EQ(missing_grey, 0) << first;
  }

  QTemporaryDir directory_;
  FontFileMetrics metrics_;
  MeasuredRecordingSurface expected_{metrics_};
};

TEST_F(PrintReadBackTest, TheWorkedListLandsWhereTheLayoutPutsIt) {
  PrintAndCompare(ListText(ZUFORA_EXAMPLES_DIR "/worked-example.zfd"));
  EXPECT_EQ(expected_.PageCount(), 1);
}

// Three centres, the first over two pages: page numbers run on, and the sub-title, the
// footer and the column "Zentrum" change with the centre (umlauts, "&" and a hyphen).
TEST_F(PrintReadBackTest, ThreeCentresLandWhereTheLayoutPutsThem) {
  PrintAndCompare(ListText(ZUFORA_TEST_DATA_DIR "/print/three-centres.zfd"));
  EXPECT_EQ(expected_.PageCount(), 4);
}

// Texts too wide for their room, set smaller or cut with an ellipsis: a study name longer
// than the title line and the footer hold, an arm description and a centre name longer
// than their columns, and a ten-digit seed note moved onto the page.
TEST_F(PrintReadBackTest, LongNamesLandWhereTheLayoutPutsThem) {
  PrintAndCompare(ListText(ZUFORA_TEST_DATA_DIR "/print/long-names.zfd"));
  EXPECT_EQ(expected_.PageCount(), 4);
  bool cut = false;
  bool smaller = false;
  for (const PrintOperation& op : TextsOnPage(expected_, 1)) {
    cut = cut || op.text.find(kEllipsis) != std::string::npos;
    smaller = smaller || (op.font.point_size < 12 && !op.font.italic);
  }
  EXPECT_TRUE(cut);
  EXPECT_TRUE(smaller);
}

TEST_F(PrintReadBackTest, ATenDigitSeedNoteIsPrintedWhole) {
  PrintAndCompare(ListText(ZUFORA_TEST_DATA_DIR "/print/ten-digit-seed.zfd"));
  const auto seed = print_test::FindTexts(expected_, 1, " Seed: (2043627648) ");
  ASSERT_EQ(seed.size(), 1U);
  EXPECT_EQ(seed[0].x, 0);
}

}  // namespace
}  // namespace zufora
