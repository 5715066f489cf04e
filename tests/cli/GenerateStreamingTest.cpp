// generate writes each list while it is drawn; the bytes and the limits stay the window's.
#include <gtest/gtest.h>

#include "CliFixture.h"
#include "text/Cp1252.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;

class GenerateStreaming : public CliFixture {
 protected:
  std::string Design(const std::string& patients, const std::string& blocks) {
    return Write("d.zfd", "[Design]\r\nName=Studie\r\nArme=2\r\nFallzahl=" + patients +
                              "\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\nBeschr1=A\r\nRatio1=1\r\n"
                              "Beschr2=B\r\nRatio2=1\r\n[Bloecke]\r\n" +
                              blocks + "[Zufall]\r\nSeed=42\r\n");
  }
};

TEST_F(GenerateStreaming, ALongListGoesOutInPartsWithTheExportsBytes) {
  const std::string design = Design("300000", "Fix=0\r\nVon=4\r\nBis=8\r\n");
  const testing::CliRun run = Cli({"generate", design});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto exported = folder_ / "list.txt";
  ASSERT_EQ(Cli({"generate", design, "--output", exported.string()}).status, kExitComplete);
  std::string expected;
  for (const char c : run.out) {
    if (c == '\n') {
      expected += '\r';
    }
    expected += c;
  }
  EXPECT_EQ(ReadBytes(exported), expected);
  // Whole: the last patient and the last block's separator are there.
  EXPECT_NE(run.out.find("\n300000\t"), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 22), "\n------- Block ------\n");
}

// A separator made long by a language file can take the text beyond the limit of one
// list text: the window then shows the title alone and refuses, and so does generate.
TEST_F(GenerateStreaming, TheListTextLimitRefusesAsInTheWindow) {
  const std::string language = Write(
      "lang.ini", "[FormLang]\r\nFormLang.LabelBlock.Caption=" + std::string(2000, 'x') + "\r\n");
  const std::string design = Design("1200000", "Fix=1\r\nGroesse=2\r\n");
  const testing::CliRun run = Cli({"generate", design, "--lang", language});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_EQ(run.out, "Studie\n");
  EXPECT_EQ(run.err, Cp1252ToUtf8("G\xFCltige Patientenzahl eingeben!") + "\n");

  const testing::CliRun fewer =
      Cli({"generate", Design("12", "Fix=1\r\nGroesse=2\r\n"), "--lang", language});
  EXPECT_EQ(fewer.status, kExitComplete);
  EXPECT_NE(fewer.out.find(std::string(2000, 'x')), std::string::npos);
}

}  // namespace
}  // namespace zufora::cli
