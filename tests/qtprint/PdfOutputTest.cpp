#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "PdfReadBack.h"
#include "ZuforaCli.h"
#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "qtprint/HeaderDate.h"
#include "qtprint/PageCountingSurface.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/PrintCancelled.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora {
namespace {

// The German short date, two-digit year, whatever the machine's locale.
TEST(HeaderDateTest, IsTheGermanShortDate) {
  for (const QDate& date : {QDate(2026, 12, 8), QDate(2000, 1, 31), QDate(1999, 10, 2)}) {
    EXPECT_EQ(HeaderDate(date), QLocale(QLocale::German, QLocale::Germany)
                                    .toString(date, QLocale::ShortFormat)
                                    .toStdString());
  }
  EXPECT_EQ(HeaderDate(QDate(2026, 1, 5)), "05.01.26");
}

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

CliRun Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = cli::RunZuforaCli(arguments, out, err, [] { return 0; });
  run.out = out.str();
  run.err = err.str();
  return run;
}

class PdfOutputTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return directory_.filePath(name).toStdString(); }

  QStringList Files() const { return QDir(directory_.path()).entryList(QDir::Files); }

  QTemporaryDir directory_;
};

TEST_F(PdfOutputTest, TheCommandLinePrintsToAPdfFileInsteadOfStandardOutput) {
  const std::string design = ZUFORA_EXAMPLES_DIR "/worked-example.zfd";
  const CliRun a4 = Cli({"generate", design, "--pdf", Path("a4.pdf")});
  EXPECT_EQ(a4.status, cli::kExitComplete) << a4.err;
  EXPECT_EQ(a4.out, "");
  EXPECT_EQ(a4.err, "");
  const CliRun letter =
      Cli({"generate", design, "--pdf", Path("letter.pdf"), "--page-size", "Letter"});
  EXPECT_EQ(letter.status, cli::kExitComplete) << letter.err;
  // Paper in points less the margins of 12 points, at 600 dots per inch.
  const auto a4_words = qtprint_test::ReadWords(directory_.filePath("a4.pdf"), 600, 100);
  const auto letter_words = qtprint_test::ReadWords(directory_.filePath("letter.pdf"), 600, 100);
  ASSERT_EQ(a4_words.size(), 1U);
  ASSERT_EQ(letter_words.size(), 1U);
  // The header date ends at the right edge of the header band: page width less 100.
  EXPECT_NEAR(a4_words[0].front().x_max, (595 - 24) * 600 / 72.0 - 100, 1.0);
  EXPECT_NEAR(letter_words[0].front().x_max, (612 - 24) * 600 / 72.0 - 100, 1.0);

  const CliRun wrong_size = Cli({"generate", design, "--pdf", Path("x.pdf"), "--page-size", "A5"});
  EXPECT_EQ(wrong_size.status, cli::kExitFailure);
  const CliRun size_alone = Cli({"generate", design, "--page-size", "A4"});
  EXPECT_EQ(size_alone.status, cli::kExitFailure);
  EXPECT_EQ(size_alone.out, "");
}

TEST_F(PdfOutputTest, AFileThatCannotBeWrittenIsAFileProblemWithItsReason) {
  const CliRun run = Cli({"generate", ZUFORA_EXAMPLES_DIR "/worked-example.zfd", "--pdf",
                          Path("no-such-folder/list.pdf")});
  EXPECT_EQ(run.status, cli::kExitFailure);
  EXPECT_NE(run.err.find("no-such-folder/list.pdf"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

// A job that stops halfway (a cancel, a printer error) leaves no half PDF behind: the
// earlier file stays as it was, and no temporary file is left over.
TEST_F(PdfOutputTest, AnAbandonedJobLeavesTheEarlierFile) {
  const QString target = directory_.filePath("list.pdf");
  {
    QFile earlier(target);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  std::string list = "Studie\n";
  for (int i = 1; i <= 100; ++i) {
    list += std::to_string(i) + "\t1\tA\n";
  }
  const PrintJobTexts job =
      PrintJobTexts::From(texts, list, [] { return std::string("08.12.26"); });

  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfFile(printer, target, QPageSize(QPageSize::A4));
  int observed = 0;
  {
    QtPrintSurface surface(printer, [&observed](std::int32_t pages) {
      observed = pages;
      if (pages == 2) {
        throw PrintCancelled();
      }
    });
    ListPrintRun run;
    EXPECT_THROW(run.Print(surface, job), PrintCancelled);
    EXPECT_FALSE(surface.Printing());
  }
  EXPECT_EQ(observed, 2);
  QFile kept(target);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "earlier");
  EXPECT_EQ(Files(), QStringList{"list.pdf"});
  EXPECT_EQ(printer.outputFileName(), target);

  // The same printer then prints the whole job over the earlier file.
  QtPrintSurface surface(printer);
  ListPrintRun run;
  run.Print(surface, job);
  EXPECT_EQ(Files(), QStringList{"list.pdf"});
  EXPECT_EQ(qtprint_test::ReadWords(target, 600, 100).size(), 4U);
  // The count a job's progress is shown against, known before it prints.
  EXPECT_EQ(CountPages(printer, job), 4);
}

}  // namespace
}  // namespace zufora
