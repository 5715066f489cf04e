#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "EnvelopeOutput.h"
#include "PdfReadBack.h"
#include "ZuforaCli.h"
#include "evidence/RandomisationNumbers.h"

// The code-break envelopes as a user gets them: a PDF read back by poppler, each word
// placed on a card by a card grid worked out here from the paper and the card size the
// README gives (90 mm wide, three panels of 27 mm, 8 mm apart, six to a page, the grid
// centred within margins of 12 points), not by the program's own geometry.
namespace zufora {
namespace {

using qtprint_test::PdfWord;

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kMargin = 12.0;

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

// Where a word stands: which card of its page, and which panel (0 outside, 1 cover,
// 2 inside); none when it stands on no card.
struct Place {
  int slot = 0;
  int panel = 0;
};

class CardGrid {
 public:
  CardGrid(double paper_width, double paper_height) {
    const double width = paper_width - 2 * kMargin;
    const double height = paper_height - 2 * kMargin;
    left_ = (width - (kColumns * card_width_ + (kColumns - 1) * gutter_)) / 2;
    top_ = (height - (kRows * 3 * panel_ + (kRows - 1) * gutter_)) / 2;
  }

  static constexpr int kColumns = 2;
  static constexpr int kRows = 3;

  std::optional<Place> Of(const PdfWord& word) const {
    const double x = (word.x_min + word.x_max) / 2 - left_;
    const double y = (word.y_min + word.y_max) / 2 - top_;
    const int column = static_cast<int>(std::floor(x / (card_width_ + gutter_)));
    const int row = static_cast<int>(std::floor(y / (3 * panel_ + gutter_)));
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) {
      return std::nullopt;
    }
    const double in_x = x - column * (card_width_ + gutter_);
    const double in_y = y - row * (3 * panel_ + gutter_);
    if (in_x > card_width_ || in_y > 3 * panel_) {
      return std::nullopt;  // in a gutter
    }
    // Every word must keep clear of its panel's edges: one straddling two panels is a
    // fault (the fold would cut it), so it is placed on no panel at all.
    const int panel = static_cast<int>(std::floor(in_y / panel_));
    const double panel_top = panel * panel_;
    if (word.y_min - top_ - row * (3 * panel_ + gutter_) < panel_top - 0.5 ||
        word.y_max - top_ - row * (3 * panel_ + gutter_) > panel_top + panel_ + 0.5 ||
        word.x_min - left_ - column * (card_width_ + gutter_) < -0.5 ||
        word.x_max - left_ - column * (card_width_ + gutter_) > card_width_ + 0.5) {
      return std::nullopt;
    }
    return Place{row * kColumns + column, panel};
  }

 private:
  double card_width_ = 90 * kPointsPerMm;
  double panel_ = 27 * kPointsPerMm;
  double gutter_ = 8 * kPointsPerMm;
  double left_ = 0;
  double top_ = 0;
};

// The words of one card, by panel.
struct CardWords {
  std::vector<PdfWord> panels[3];
};

// Every card of the PDF in print order, and the words that stood on no card.
struct ReadCards {
  std::vector<CardWords> cards;
  std::vector<PdfWord> elsewhere;
  std::size_t pages = 0;
};

ReadCards ReadBack(const QString& pdf, const CardGrid& grid) {
  ReadCards read;
  const auto pages = qtprint_test::ReadWords(pdf, 72, static_cast<int>(kMargin));
  read.pages = pages.size();
  for (const auto& page : pages) {
    std::map<int, CardWords> by_slot;
    for (const PdfWord& word : page) {
      if (const auto place = grid.Of(word)) {
        by_slot[place->slot].panels[place->panel].push_back(word);
      } else {
        read.elsewhere.push_back(word);
      }
    }
    for (auto& [slot, card] : by_slot) {
      read.cards.push_back(std::move(card));
    }
  }
  return read;
}

// The word right of "Nr." on its line: the number on the outside; empty when none.
std::string NumberOn(const std::vector<PdfWord>& outside) {
  for (const PdfWord& label : outside) {
    if (label.text != "Nr.") {
      continue;
    }
    const PdfWord* nearest = nullptr;
    for (const PdfWord& word : outside) {
      const bool same_line = word.y_min < label.y_max && word.y_max > label.y_min;
      if (same_line && word.x_min >= label.x_max &&
          (nearest == nullptr || word.x_min < nearest->x_min)) {
        nearest = &word;
      }
    }
    return nearest != nullptr ? nearest->text : std::string();
  }
  return {};
}

bool Has(const std::vector<PdfWord>& words, const std::string& text) {
  for (const PdfWord& word : words) {
    if (word.text == text) {
      return true;
    }
  }
  return false;
}

// A patient of the list text: its arm, and the heading of its list.
struct Patient {
  std::string arm;
  std::string heading;
};

// The patients of a list text in order: lines "PATIENT<TAB>ARM<TAB>DESCRIPTION".
std::vector<Patient> PatientsOf(const std::string& list_text) {
  std::vector<Patient> patients;
  std::istringstream lines(list_text);
  std::string heading;
  for (std::string line; std::getline(lines, line);) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) {
      continue;
    }
    const std::string first = line.substr(0, tab);
    if (first.find_first_not_of("0123456789") != std::string::npos) {
      heading = line;
      continue;
    }
    const auto second = line.find('\t', tab + 1);
    patients.push_back({line.substr(tab + 1, second - tab - 1), heading});
  }
  return patients;
}

class EnvelopePdfTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return directory_.filePath(name).toStdString(); }

  // Checks the envelopes of a design against its list text, on paper of that size.
  void CheckEnvelopes(const std::string& design, const std::vector<std::string>& size,
                      double paper_width, double paper_height,
                      const std::vector<std::string>& arm_words,
                      const std::vector<std::string>& level_words) {
    const CliRun list = Cli({"generate", design});
    ASSERT_EQ(list.status, cli::kExitComplete) << list.err;
    const std::vector<Patient> patients = PatientsOf(list.out);
    ASSERT_GT(patients.size(), 6U);

    std::vector<std::string> arguments = {"generate", design, "--envelopes", Path("cards.pdf")};
    arguments.insert(arguments.end(), size.begin(), size.end());
    const CliRun run = Cli(arguments);
    ASSERT_EQ(run.status, cli::kExitComplete) << run.err;
    EXPECT_EQ(run.out, list.out) << "the list text goes out as without envelopes";

    const ReadCards read =
        ReadBack(directory_.filePath("cards.pdf"), CardGrid(paper_width, paper_height));
    EXPECT_EQ(read.pages, (patients.size() + 5) / 6);
    ASSERT_EQ(read.cards.size(), patients.size());
    EXPECT_TRUE(read.elsewhere.empty()) << read.elsewhere.front().text;
    for (std::size_t k = 0; k < read.cards.size(); ++k) {
      const CardWords& card = read.cards[k];
      // Without --numbers: 1, 2, 3, ... zero-padded to the digits of the largest.
      std::string expected_number = std::to_string(k + 1);
      expected_number.insert(0, std::to_string(patients.size()).size() - expected_number.size(),
                             '0');
      EXPECT_EQ(NumberOn(card.panels[0]), expected_number) << "card " << k;
      for (const PdfWord& word : card.panels[0]) {
        EXPECT_NE(word.text, "Studienarm") << "card " << k;
        for (const std::string& arm_word : arm_words) {
          EXPECT_NE(word.text, arm_word) << "an arm on the outside of card " << k;
        }
      }
      EXPECT_TRUE(card.panels[1].empty()) << "text on the cover of card " << k;
      EXPECT_FALSE(Has(card.panels[2], expected_number) && expected_number != patients[k].arm)
          << "the number on the inside of card " << k;
      // The inside: "Studienarm N" and the arm's description.
      ASSERT_GE(card.panels[2].size(), 3U) << "card " << k;
      EXPECT_EQ(card.panels[2][0].text, "Studienarm");
      EXPECT_EQ(card.panels[2][1].text, patients[k].arm) << "card " << k;
      // The stratum of the card's list stands on its outside.
      for (const std::string& level : level_words) {
        EXPECT_EQ(Has(card.panels[0], level), patients[k].heading.find(level) != std::string::npos)
            << level << " on card " << k << ", list " << patients[k].heading;
      }
    }
  }

  QTemporaryDir directory_;
};

TEST_F(EnvelopePdfTest, EachStratifiedAllocationGetsOneCardWithItsNumberOutsideAndItsArmInside) {
  CheckEnvelopes(ZUFORA_EXAMPLES_DIR "/stratified.zfd", {}, 595.276, 841.89,
                 {"Standardtherapie", "Neue", "Therapie"},
                 {"Nord", "Süd-West", "weiblich", "männlich", "65", ">="});
}

TEST_F(EnvelopePdfTest, LetterPaperHoldsAsManyCardsOnItsOwnGrid) {
  CheckEnvelopes(ZUFORA_EXAMPLES_DIR "/per-centre.zfd", {"--page-size", "Letter"}, 612, 792,
                 {"Standardtherapie", "Neue", "Therapie"}, {"Nord", "Süd-West"});
}

// Numbered as --numbers asks: card k bears the number of allocation k in study order, each
// number once, on its outside.
TEST_F(EnvelopePdfTest, RandomNumbersWithCheckDigitsStandOnTheCardsInStudyOrder) {
  const std::string design = ZUFORA_EXAMPLES_DIR "/per-centre.zfd";  // seed 4711, 10 patients
  const CliRun run = Cli({"generate", design, "--numbers", "random", "--number-format", "R-{00000}",
                          "--check-digit", "--envelopes", Path("cards.pdf")});
  ASSERT_EQ(run.status, cli::kExitComplete) << run.err;
  const ReadCards read = ReadBack(directory_.filePath("cards.pdf"), CardGrid(595.276, 841.89));
  ASSERT_EQ(read.cards.size(), 10U);
  const RandomisationNumbering numbers(
      NumberingOptions{.random = true, .format = "R-{00000}", .check_digit = true}, 10,
      SeedOf(4711));
  std::map<std::string, int> seen;
  for (std::size_t k = 0; k < read.cards.size(); ++k) {
    const std::string number = NumberOn(read.cards[k].panels[0]);
    EXPECT_EQ(number, numbers.Number(static_cast<std::int64_t>(k))) << "card " << k;
    EXPECT_EQ(number.size(), 8U) << number;  // R-, five digits, the check digit
    EXPECT_EQ(++seen[number], 1) << number;
  }

  // A format too small for the numbers prints no envelopes and leaves the file alone.
  const CliRun small = Cli({"generate", design, "--numbers", "--number-format", "N{0}",
                            "--envelopes", Path("small.pdf")});
  EXPECT_EQ(small.status, cli::kExitIncomplete);
  EXPECT_NE(small.err.find("no envelopes printed"), std::string::npos) << small.err;
  EXPECT_FALSE(QFile::exists(directory_.filePath("small.pdf")));
}

// A test list's envelopes say so: "TEST" across every page, beside the cards' texts, and
// on every card's outside; the production list's do not.
TEST_F(EnvelopePdfTest, ATestListSaysTestOnEveryPageAndEveryCard) {
  const std::string design = ZUFORA_EXAMPLES_DIR "/per-centre.zfd";  // 10 patients
  const CliRun test = Cli({"generate", design, "--test", "--envelopes", Path("drawn.pdf")});
  ASSERT_EQ(test.status, cli::kExitComplete) << test.err;
  const ReadCards drawn = ReadBack(directory_.filePath("drawn.pdf"), CardGrid(595.276, 841.89));
  ASSERT_EQ(drawn.cards.size(), 10U);
  for (const CardWords& card : drawn.cards) {
    EXPECT_TRUE(Has(card.panels[0], "TEST"));
  }
  EXPECT_EQ(drawn.elsewhere.size(), 2U);
  EXPECT_TRUE(Has(drawn.elsewhere, "TEST"));

  class Cards : public EnvelopeCardSource {
   public:
    bool Next(EnvelopeCard& card) override {
      if (next_ == 8) {
        return false;
      }
      card = {.number = std::to_string(++next_),
              .centre = {},
              .levels = {},
              .arm = 1,
              .arm_description = "Verum"};
      return true;
    }

   private:
    int next_ = 0;
  } cards;
  const EnvelopeJob job{.study_name = "Studie", .document_name = "Zufora", .test = true};
  const cli::PdfEnvelopes printed =
      cli::PrintEnvelopesPdf(Path("test.pdf"), cli::PdfPageSize::kLetter, job, cards);
  EXPECT_EQ(printed.cards, 8);
  EXPECT_EQ(printed.pages, 2);
  const ReadCards read = ReadBack(directory_.filePath("test.pdf"), CardGrid(612, 792));
  ASSERT_EQ(read.cards.size(), 8U);
  for (const CardWords& card : read.cards) {
    EXPECT_TRUE(Has(card.panels[0], "TEST"));
  }
  ASSERT_EQ(read.elsewhere.size(), 2U);
  EXPECT_EQ(read.elsewhere[0].text, "TEST");
  EXPECT_EQ(read.elsewhere[1].text, "TEST");
}

TEST_F(EnvelopePdfTest, EnvelopesAreRefusedLikeEveryOtherUnsafeOutput) {
  const std::string design = ZUFORA_EXAMPLES_DIR "/worked-example.zfd";
  const CliRun same =
      Cli({"generate", design, "--pdf", Path("a.pdf"), "--envelopes", Path("a.pdf")});
  EXPECT_EQ(same.status, cli::kExitFailure);
  EXPECT_NE(same.err.find("--envelopes"), std::string::npos) << same.err;
  EXPECT_EQ(same.out, "");
  const CliRun input = Cli({"generate", design, "--envelopes", design});
  EXPECT_EQ(input.status, cli::kExitFailure);
  EXPECT_NE(input.err.find("is the file"), std::string::npos) << input.err;
  EXPECT_FALSE(QFile::exists(directory_.filePath("a.pdf")));
  const CliRun missing_folder =
      Cli({"generate", design, "--envelopes", Path("no-such-folder/cards.pdf")});
  EXPECT_EQ(missing_folder.status, cli::kExitFailure);
  EXPECT_NE(missing_folder.err.find("No such file or directory"), std::string::npos);
  const CliRun no_value = Cli({"generate", design, "--envelopes"});
  EXPECT_EQ(no_value.status, cli::kExitFailure);
}

}  // namespace
}  // namespace zufora
