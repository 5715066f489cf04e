// The self-test runs the known values that these tests run too, from the same file.
#include <gtest/gtest.h>

#include "CliFixture.h"
#include "KnownValues.h"
#include "Sha256.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;

std::string Hash(const std::string& bytes, std::size_t part) {
  Sha256 hash;
  for (std::size_t i = 0; i < bytes.size(); i += part) {
    hash.Add(std::string_view(bytes).substr(i, part));
  }
  return hash.HexDigest();
}

TEST(Sha256, StandardVectorsInAnyParts) {
  EXPECT_EQ(Hash("", 1), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Hash("abc", 1), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  const std::string two_blocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
  for (const std::size_t part : {1u, 7u, 56u}) {
    EXPECT_EQ(Hash(two_blocks, part),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")
        << part;
  }
  EXPECT_EQ(Hash(std::string(1000000, 'a'), 4093),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

std::string KnownValuesFile() {
  std::ifstream in(ZUFORA_KNOWN_VALUES_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(KnownValues, EveryCheckPassesAndTheProgramCarriesTheSameFile) {
  const std::string text = KnownValuesFile();
  EXPECT_EQ(text, kKnownValuesText);
  const std::vector<CheckResult> results = RunKnownValues(text);
  EXPECT_GE(results.size(), 15u);
  for (const CheckResult& result : results) {
    EXPECT_TRUE(result.passed) << result.name << "\n expected " << result.expected
                               << "\n actual   " << result.actual;
  }
}

TEST(KnownValues, AWrongExpectationOrALineThatCannotRunFails) {
  std::string text =
      "list a arms=1,1,1 patients=12 blocks=fixed:6 seed=12345 expect=3,1,3,2,2,1|2,1,3,3,2,2|\n"
      "generator b seed=1 expect=0.4159993529\n"
      "list c arms=1,1 patients=4 seed=1 expect=1\n";
  const std::vector<CheckResult> results = RunKnownValues(text);
  ASSERT_EQ(results.size(), 3u);
  EXPECT_FALSE(results[0].passed);
  EXPECT_EQ(results[0].actual, "3,1,3,2,2,1|2,1,3,3,2,1|");
  EXPECT_TRUE(results[1].passed);
  EXPECT_FALSE(results[2].passed);
  EXPECT_NE(results[2].actual.find("blocks="), std::string::npos);
}

class Selftest : public CliFixture {};

TEST_F(Selftest, PrintsAndWritesTheValidationReport) {
  const auto file = folder_ / "report.txt";
  const testing::CliRun run = Cli({"selftest", "--report", file.string()});
  EXPECT_EQ(run.status, kExitComplete) << run.out;
  EXPECT_EQ(run.out.rfind("Zufora validation report\nProgram:  zufora-cli ", 0), 0u);
  EXPECT_NE(run.out.find("Date:     2023-11-14 22:13:20 UTC\n"), std::string::npos);
  EXPECT_NE(run.out.find("PASS  list worked-example\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nVerdict: PASSED, all "), std::string::npos);
  EXPECT_EQ(ReadBytes(file), run.out);
  EXPECT_EQ(Cli({"selftest", "--report"}).status, kExitFailure);
}

}  // namespace
}  // namespace zufora::cli
