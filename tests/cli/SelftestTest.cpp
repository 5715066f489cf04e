// The self-test: the known values, the installation and the machine, in a report that
// carries its own checksum.
#include <gtest/gtest.h>

#include "CliFixture.h"
#include "evidence/KnownValues.h"
#include "evidence/Sha256.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;

class Selftest : public CliFixture {
 protected:
  // A program folder with the known-values file beside the executable.
  ProgramContext Installed(const std::string& known_values) {
    std::filesystem::create_directories(folder_ / "bin");
    Write("bin/known-values.txt", known_values);
    return ProgramContext{folder_ / "bin" / "zufora-cli", false, std::nullopt};
  }
};

TEST_F(Selftest, PrintsAndWritesTheValidationReport) {
  const auto file = folder_ / "report.txt";
  const testing::CliRun run =
      Cli({"selftest", "--report", file.string()}, Installed(kKnownValuesText));
  EXPECT_EQ(run.status, kExitComplete) << run.out;
  EXPECT_EQ(run.out.rfind("Zufora validation report\nProgram:", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("Date:                          2023-11-14 22:13:20 UTC\n"),
            std::string::npos)
      << run.out;
  for (const char* check : {"PASS  installation known-values-file\n", "PASS  list worked-example\n",
                            "PASS  output csv-worked\n", "PASS  output redcap-centres\n",
                            "PASS  output export-worked\n", "PASS  verify untouched-list\n",
                            "PASS  verify tampered-list\n", "PASS  pdf worked-example\n"}) {
    EXPECT_NE(run.out.find(check), std::string::npos) << check;
  }
  EXPECT_NE(run.out.find("\nVerdict: PASSED, all "), std::string::npos);
  EXPECT_EQ(ReadBytes(file), run.out);
  EXPECT_EQ(Cli({"selftest", "--report"}).status, kExitFailure);
}

// The report says what it ran on, not only what it was built with.
TEST_F(Selftest, NamesTheMachineAndTheExecutable) {
  const testing::CliRun run = Cli({"selftest"}, Installed(kKnownValuesText));
  for (const char* fact : {"\nSystem:", "\nHost:", "\nQt:", "\nExecutable:",
                           "\nExecutable SHA-256:", "\nKnown values:", "\nBuilt for:"}) {
    EXPECT_NE(run.out.find(fact), std::string::npos) << fact;
  }
  // The executable given does not exist here: said so, not made up.
  EXPECT_NE(run.out.find("Executable SHA-256:            cannot be read\n"), std::string::npos)
      << run.out;
  // Without a program folder it hashes the running program.
  const testing::CliRun own = Cli({"selftest"});
  const auto digest = Sha256OfFile("/proc/self/exe");
  ASSERT_TRUE(digest);
  EXPECT_NE(own.out.find("Executable SHA-256:            " + digest->sha256 + "\n"),
            std::string::npos)
      << own.out;
  // Lines to sign, and last the SHA-256 of the report above it.
  EXPECT_NE(run.out.find("Operator (name, signature):"), std::string::npos);
  EXPECT_NE(run.out.find("Reviewer (name, signature):"), std::string::npos);
  const std::size_t last = run.out.rfind('\n', run.out.size() - 2) + 1;
  EXPECT_EQ(run.out.substr(last),
            "SHA-256 of this report above this line: " + Sha256Hex(run.out.substr(0, last)) + "\n");
}

// A known-values file that is missing or not the one built in fails the installation.
TEST_F(Selftest, AMissingOrChangedKnownValuesFileFails) {
  const testing::CliRun changed =
      Cli({"selftest"}, Installed(std::string(kKnownValuesText) + "# changed\n"));
  EXPECT_EQ(changed.status, kExitIncomplete);
  EXPECT_NE(changed.out.find("FAIL  installation known-values-file"), std::string::npos);
  EXPECT_NE(changed.out.find("NOT the built-in copy"), std::string::npos);

  const testing::CliRun missing =
      Cli({"selftest"}, ProgramContext{folder_ / "empty" / "zufora-cli", false, std::nullopt});
  EXPECT_EQ(missing.status, kExitIncomplete);
  EXPECT_NE(missing.out.find("not found (looked for " + (folder_ / "empty").string()),
            std::string::npos)
      << missing.out;
}

}  // namespace
}  // namespace zufora::cli
