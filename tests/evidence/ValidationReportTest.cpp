// The validation report: what it says, and a checksum a reader can check.
#include "evidence/ValidationReport.h"

#include <gtest/gtest.h>

#include "evidence/Sha256.h"

namespace zufora {
namespace {

TEST(ValidationReport, EndsWithTheSha256OfEverythingAboveIt) {
  const std::vector<CheckResult> results = {{"list a", "1", "1", true},
                                            {"list b", "2", "3", false}};
  const std::string report =
      ValidationReportText({{"Program", "zufora-cli 1.2.0"}, {"Host", "h"}}, results);
  EXPECT_EQ(report.rfind("Zufora validation report\nProgram:  zufora-cli 1.2.0\nHost:     h\n", 0),
            0u);
  EXPECT_NE(report.find("FAIL  list b\n      expected: 2\n      actual:   3\n"), std::string::npos);
  EXPECT_NE(report.find("Verdict: FAILED, 1 of 2 checks failed\n"), std::string::npos);
  EXPECT_NE(report.find("Operator (name, signature): "), std::string::npos);
  EXPECT_NE(report.find("Reviewer (name, signature): "), std::string::npos);
  // head -n -1 REPORT | sha256sum
  const std::size_t last = report.rfind('\n', report.size() - 2) + 1;
  EXPECT_EQ(report.substr(last), kReportDigestLabel + Sha256Hex(report.substr(0, last)) + "\n");
  EXPECT_FALSE(AllPassed(results));
  EXPECT_FALSE(AllPassed({}));
  EXPECT_TRUE(AllPassed({results[0]}));
  EXPECT_NE(ValidationReportText({}, {results[0]}).find("Verdict: PASSED, all 1 checks passed"),
            std::string::npos);
}

TEST(ValidationReport, TheSystemsNameFromOsRelease) {
  EXPECT_EQ(OsReleaseName("PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian\"\n"),
            "Debian GNU/Linux 12 (bookworm)");
  EXPECT_EQ(OsReleaseName("NAME='Other'\nVERSION=3\n"), "Other 3");
  EXPECT_EQ(OsReleaseName("# only a comment\n"), "");
  EXPECT_EQ(OsReleaseName(""), "");
}

}  // namespace
}  // namespace zufora
