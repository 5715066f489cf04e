// The self-test runs the known values that the unit tests run too, from the same file.
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;

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
