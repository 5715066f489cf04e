// Outputs never replace what they should not: --pdf refuses what --output refuses, two
// outputs are never one file, and all of it before anything is drawn.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
namespace fs = std::filesystem;

class OutputSafety : public CliFixture {};

TEST_F(OutputSafety, PdfRefusesWhatOutputRefuses) {
  const std::string design = Example("worked-example.zfd");
  const fs::path fifo = folder_ / "pipe.pdf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/null", folder_ / "device.pdf");
  fs::create_symlink(folder_ / "nowhere" / "x.pdf", folder_ / "dangling.pdf");
  fs::create_directory(folder_ / "folder.pdf");
  for (const char* name : {"pipe.pdf", "device.pdf", "dangling.pdf", "folder.pdf"}) {
    for (const char* option : {"--output", "--pdf"}) {
      const testing::CliRun run = Cli({"generate", design, option, (folder_ / name).string()});
      EXPECT_EQ(run.status, kExitFailure) << option << " " << name;
      EXPECT_NE(run.err.find("Unable to write to"), std::string::npos) << run.err;
      EXPECT_EQ(run.out, "");
    }
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_symlink(folder_ / "device.pdf"));
  EXPECT_TRUE(fs::is_directory(folder_ / "folder.pdf"));
  EXPECT_EQ(Names(),
            (std::set<std::string>{"pipe.pdf", "device.pdf", "dangling.pdf", "folder.pdf"}));
}

TEST_F(OutputSafety, AReadOnlyFileIsRefusedByBoth) {
  const fs::path file = folder_ / "kept.pdf";
  std::ofstream(file) << "kept";
  fs::permissions(file, fs::perms::owner_read);
  if (::access(file.c_str(), W_OK) == 0) {
    GTEST_SKIP() << "permission bits do not stop this process from writing";
  }
  for (const char* option : {"--output", "--pdf"}) {
    const testing::CliRun run =
        Cli({"generate", Example("worked-example.zfd"), option, file.string()});
    EXPECT_EQ(run.status, kExitFailure) << option;
    EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadBytes(file), "kept");
}

// Through a link, either output replaces the file the link names; the link stays.
TEST_F(OutputSafety, ALinkToAFileIsFollowedByBoth) {
  const std::string design = Example("worked-example.zfd");
  for (const char* option : {"--output", "--pdf"}) {
    const fs::path real = folder_ / (std::string(option + 2) + "-real");
    const fs::path link = folder_ / (std::string(option + 2) + "-link");
    std::ofstream(real) << "old";
    fs::create_symlink(real, link);
    const testing::CliRun run = Cli({"generate", design, option, link.string()});
    ASSERT_EQ(run.status, kExitComplete) << run.err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(ReadBytes(real), "old");
  }
  EXPECT_EQ(ReadBytes(folder_ / "pdf-real").rfind("%PDF-", 0), 0u);
}

// Two outputs to one file, under any spelling or link, are refused before drawing; an
// earlier file stays.
TEST_F(OutputSafety, TwoOutputsAreNeverOneFile) {
  const std::string design = Example("worked-example.zfd");
  const fs::path file = folder_ / "x";
  fs::create_symlink(file, folder_ / "link-to-x");
  fs::create_directory(folder_ / "sub");
  for (const std::vector<std::string>& outputs : std::vector<std::vector<std::string>>{
           {"--output", file.string(), "--pdf", file.string()},
           {"--output", file.string(), "--pdf", (folder_ / "sub" / ".." / "x").string()},
           {"--output", file.string(), "--manifest", (folder_ / "link-to-x").string()},
           {"--pdf", (folder_ / "." / "x").string(), "--manifest", file.string()}}) {
    std::vector<std::string> arguments = {"generate", design};
    arguments.insert(arguments.end(), outputs.begin(), outputs.end());
    const testing::CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, kExitFailure) << ::testing::PrintToString(outputs);
    EXPECT_NE(run.err.find("are the same file"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(file));
  }
  // The record beside a table of a proposed seed is an output too: it may not replace
  // the design.
  const fs::path design_beside = folder_ / "t.csv.manifest.json";
  fs::copy_file(Example("variable-blocks.zfd"), design_beside);
  const testing::CliRun beside = Cli({"generate", design_beside.string(), "--format", "csv",
                                      "--output", (folder_ / "t.csv").string()});
  EXPECT_EQ(beside.status, kExitFailure);
  EXPECT_NE(beside.err.find("itself"), std::string::npos) << beside.err;
  EXPECT_EQ(ReadBytes(design_beside), ReadBytes(Example("variable-blocks.zfd")));
  EXPECT_FALSE(fs::exists(folder_ / "t.csv"));
}

// Leftovers of a killed run do not pile up: the next output to that name removes them,
// however many there are.
TEST_F(OutputSafety, LeftoversOfKilledRunsAreCleanedUp) {
  // The id of a process that has ended.
  const pid_t gone = ::fork();
  if (gone == 0) {
    ::_exit(0);
  }
  ::waitpid(gone, nullptr, 0);
  for (int i = 0; i < 150; ++i) {
    std::ofstream(folder_ / (".out.txt." + std::to_string(gone) + "." + std::to_string(i) + ".tmp"))
        << "half";
  }
  const fs::path output = folder_ / "out.txt";
  ASSERT_EQ(Cli({"generate", Example("worked-example.zfd"), "--output", output.string()}).status,
            kExitComplete);
  EXPECT_EQ(Names(), std::set<std::string>{"out.txt"});
}

}  // namespace
}  // namespace zufora::cli
