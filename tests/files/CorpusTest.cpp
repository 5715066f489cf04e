// Design files that are anything but design files: every one of them loads without a
// crash or a hang, gives what the reading rules say, and can be saved over.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "files/DesignFile.h"
#include "files/FileAccess.h"
#include "files/IniDocument.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

fs::path CorpusFolder() {
  return fs::path(ZUFORA_TEST_DATA_DIR) / "files" / "corpus";
}

std::string CorpusFile(const std::string& name) {
  const FileBytes file = ReadFileBytes(CorpusFolder() / name);
  EXPECT_EQ(file.status, FileReadStatus::Read) << name;
  return file.bytes;
}

// What a load leaves in a design that held the defaults of a new one.
struct Loaded {
  std::optional<DesignFileRefusal> refusal;
  StudyDesign design;
};

Loaded LoadText(std::string_view text) {
  Loaded loaded;
  loaded.refusal = ReadDesign(IniDocument::Parse(text), kHeadings, loaded.design);
  return loaded;
}

void ExpectDefaults(const StudyDesign& design) {
  EXPECT_EQ(design.study_name, "");
  EXPECT_EQ(design.arm_count, "3");
  EXPECT_EQ(design.sample_size, "120");
  EXPECT_FALSE(design.per_centre_lists);
  EXPECT_EQ(design.arms.RowCount(), 1);
  EXPECT_EQ(design.centres.RowCount(), 1);
  EXPECT_EQ(design.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(design.seed, "");
}

// What each file of the corpus must load as.
const std::map<std::string, std::function<void(const Loaded&)>>& Expectations() {
  static const std::map<std::string, std::function<void(const Loaded&)>> expectations = {
      {"empty.zfd", [](const Loaded& l) { ExpectDefaults(l.design); }},
      {"only-line-ends.zfd", [](const Loaded& l) { ExpectDefaults(l.design); }},
      {"utf16.zfd", [](const Loaded& l) { ExpectDefaults(l.design); }},
      // One line: a section line "[Design" whose name ends at the first ']'.
      {"no-line-ends.zfd", [](const Loaded& l) { ExpectDefaults(l.design); }},
      {"binary.zfd", [](const Loaded&) {}},
      {"binary-with-sections.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.arms.RowCount(), 2);
         EXPECT_EQ(l.design.arms.Cell(0, 1), "\0\x01\x02\xFF"s);
       }},
      {"nul-bytes.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.study_name, "a\0b"s);
         EXPECT_EQ(l.design.arm_count, "\0"s);
         EXPECT_EQ(l.design.arms.RowCount(), 3);  // [Arme\0] is another section
         EXPECT_EQ(l.design.arms.Cell(0, 1), "\0"s);
         EXPECT_EQ(l.design.seed,
                   "1\0"
                   "2"s);
       }},
      {"anzahl-2000000000.zfd", [](const Loaded& l) { EXPECT_TRUE(l.refusal.has_value()); }},
      {"zentren-2000000000.zfd", [](const Loaded& l) { EXPECT_TRUE(l.refusal.has_value()); }},
      {"anzahl-many-digits.zfd", [](const Loaded& l) { EXPECT_TRUE(l.refusal.has_value()); }},
      {"anzahl-minus5.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.study_name, "Negativ");
         EXPECT_EQ(l.design.arms.RowCount(), 1);
         EXPECT_EQ(l.design.centres.RowCount(), 1);
       }},
      {"anzahl-abc.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.study_name, "Text");
         EXPECT_EQ(l.design.arms.RowCount(), 1);
         EXPECT_EQ(l.design.centres.RowCount(), 1);
       }},
      {"anzahl-hex.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.arms.RowCount(), 3);
         EXPECT_EQ(l.design.arms.Cell(0, 2), "Arm 2");
         EXPECT_EQ(l.design.centres.RowCount(), 17);
       }},
      {"zentren-at-limit.zfd",
       [](const Loaded& l) {
         EXPECT_TRUE(l.design.per_centre_lists);
         EXPECT_EQ(l.design.centre_count, "100000");
         EXPECT_EQ(l.design.centres.RowCount(), 100001);
         EXPECT_EQ(l.design.centres.Cell(kCentreSampleSizeColumn, 100000), "1");
       }},
      {"many-sections.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.arms.RowCount(), 2);
         EXPECT_EQ(l.design.arms.Cell(0, 1), "last");
       }},
      {"odd-lines.zfd",
       [](const Loaded& l) {
         EXPECT_EQ(l.design.study_name, "Odd");
         EXPECT_EQ(l.design.arm_count, "'");
         EXPECT_EQ(l.design.sample_size, "");
         EXPECT_EQ(l.design.centre_count, " 7 ");
         EXPECT_TRUE(l.design.per_centre_lists);  // 4000 ones: an integer, not 0
         // "[Arme" names the section; its Anzahl comes from a second [Arme].
         EXPECT_EQ(l.design.arms.RowCount(), 2);
         EXPECT_EQ(l.design.arms.Cell(0, 1), "lower");
         EXPECT_EQ(l.design.block_mode, BlockSizeMode::Variable);  // "0x" is no integer
         EXPECT_EQ(l.design.fixed_block_size, "\x80\x81\x8D\x8F\x90\x9D");
         EXPECT_EQ(l.design.min_block_size, std::string(2047, 'v'));
         EXPECT_EQ(l.design.seed, "x'");
       }},
  };
  return expectations;
}

// A design whose texts all read back unchanged, to save over a bad file.
StudyDesign KnownDesign() {
  StudyDesign design;
  design.study_name = "Neu";
  design.arm_count = "2";
  design.arms.SetRowCount(3);
  design.arms.SetCell(0, 1, "Arm 1");
  design.arms.SetCell(2, 1, "1");
  design.arms.SetCell(0, 2, "Arm 2");
  design.arms.SetCell(2, 2, "3");
  design.centres.SetCell(3, 2, "40");
  design.seed = "99";
  return design;
}

TEST(DesignFileCorpus, EveryFileLoadsAsTheRulesSay) {
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(CorpusFolder())) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++files;
    const Loaded loaded = LoadText(CorpusFile(name));
    const auto expectation = Expectations().find(name);
    ASSERT_NE(expectation, Expectations().end()) << "no expectation for " << name;
    expectation->second(loaded);
    if (loaded.refusal) {
      EXPECT_FALSE(loaded.refusal->Text(MessageCatalogue()).empty());
      // Unchanged: still a new design, three rows each and in fixed mode.
      const StudyDesign fresh;
      EXPECT_EQ(loaded.design.arms.RowCount(), fresh.arms.RowCount());
      EXPECT_EQ(loaded.design.centres.RowCount(), fresh.centres.RowCount());
      EXPECT_EQ(loaded.design.block_mode, fresh.block_mode);
      EXPECT_EQ(loaded.design.study_name, fresh.study_name);
    }
  }
  EXPECT_EQ(files, Expectations().size());
}

TEST(DesignFileCorpus, SavingOverEveryFileGivesTheSavedDesign) {
  const StudyDesign known = KnownDesign();
  for (const auto& entry : fs::directory_iterator(CorpusFolder())) {
    SCOPED_TRACE(entry.path().filename().string());
    IniDocument file = IniDocument::Parse(CorpusFile(entry.path().filename().string()));
    WriteDesign(known, file);
    const Loaded loaded = LoadText(file.Serialize());
    ASSERT_FALSE(loaded.refusal.has_value());
    EXPECT_EQ(loaded.design.study_name, "Neu");
    EXPECT_EQ(loaded.design.arm_count, "2");
    EXPECT_EQ(loaded.design.sample_size, "120");
    EXPECT_FALSE(loaded.design.per_centre_lists);
    EXPECT_EQ(loaded.design.arms.RowCount(), 3);
    EXPECT_EQ(loaded.design.arms.Cell(2, 2), "3");
    EXPECT_EQ(loaded.design.arms.Cell(1, 2), "");
    EXPECT_EQ(loaded.design.centres.RowCount(), 3);
    EXPECT_EQ(loaded.design.centres.Cell(3, 2), "40");
    EXPECT_EQ(loaded.design.block_mode, BlockSizeMode::Fixed);
    EXPECT_EQ(loaded.design.fixed_block_size, "12");
    EXPECT_EQ(loaded.design.seed, "99");
  }
}

TEST(DesignFileCorpus, FiftyMegabyteLines) {
  constexpr std::size_t kSize = 50u * 1024 * 1024;
  {
    // One value of 50 MB, no line end after it.
    std::string text = "[Design]\nName=";
    text.append(kSize, 'x');
    const Loaded loaded = LoadText(text);
    EXPECT_EQ(loaded.design.study_name, std::string(2047, 'x'));
    IniDocument file = IniDocument::Parse(text);
    WriteDesign(KnownDesign(), file);
    const std::string saved = file.Serialize();
    EXPECT_LT(saved.size(), 1000U);  // the long value was replaced in place
    EXPECT_EQ(LoadText(saved).design.study_name, "Neu");
  }
  {
    // 50 MB without a line end or an '=': one line of no interest, kept as it was.
    std::string text(kSize, 'A');
    const Loaded loaded = LoadText(text);
    ExpectDefaults(loaded.design);
    IniDocument file = IniDocument::Parse(text);
    WriteDesign(KnownDesign(), file);
    const std::string saved = file.Serialize();
    EXPECT_EQ(saved.compare(0, kSize + 2, text + "\r\n"), 0);
    EXPECT_EQ(LoadText(saved).design.seed, "99");
  }
  {
    // Millions of lines of line ends and NUL bytes.
    std::string text;
    text.reserve(kSize / 8);
    while (text.size() < kSize / 8) {
      text += "\n\0\r"s;
    }
    ExpectDefaults(LoadText(text).design);
  }
}

}  // namespace
}  // namespace zufora
