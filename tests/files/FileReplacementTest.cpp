// Replacing a file in one step: what is refused, and what a killed writer leaves behind.
#include "files/FileReplacement.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "files/FileAccess.h"
#include "files/FileWriteError.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

class FileReplacementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() / ("zufora_replace_" + std::to_string(random()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder_;
};

// A writer killed at any moment leaves its new file; the next replacement of that file
// removes it (and those of other ended writers), never one of a writer still running.
TEST_F(FileReplacementTest, WhatAKilledWriterLeavesIsRemovedByTheNext) {
  const fs::path file = folder_ / "list.csv";
  const pid_t writer = ::fork();
  if (writer == 0) {
    FileReplacement replacement(file);
    replacement.Write("half a table");
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(writer, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  const std::set<std::string> left = Names();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left.begin()->rfind(".list.csv." + std::to_string(writer) + ".", 0), 0u)
      << *left.begin();

  // A writer that is still there (this test's parent) keeps its file.
  const std::string running = ".list.csv." + std::to_string(::getppid()) + ".3.tmp";
  std::ofstream(folder_ / running) << "busy";
  // Names of other files, or of another file's new files, stay.
  for (const char* other :
       {".list.csv.tmp", ".list.csv.x.1.tmp", ".other.csv.1.0.tmp", "list.csv.1.0.tmp"}) {
    std::ofstream(folder_ / other) << "other";
  }
  ReplaceFileContents(file, "whole");
  EXPECT_EQ(Names(),
            (std::set<std::string>{"list.csv", running, ".list.csv.tmp", ".list.csv.x.1.tmp",
                                   ".other.csv.1.0.tmp", "list.csv.1.0.tmp"}));
}

// The new file is written by name (a PDF printer does so) and then put in place.
TEST_F(FileReplacementTest, ANewFileWrittenByNameIsPutInPlace) {
  const fs::path file = folder_ / "out.pdf";
  {
    FileReplacement replacement(file);
    std::ofstream(replacement.TemporaryPath(), std::ios::binary) << "%PDF-";
    EXPECT_FALSE(fs::exists(file));
    replacement.Commit();
  }
  EXPECT_EQ(ReadFileBytes(file).bytes, "%PDF-");
  { FileReplacement abandoned(file); }
  EXPECT_EQ(Names(), std::set<std::string>{"out.pdf"});
}

TEST_F(FileReplacementTest, WhatIsNoRegularFileIsRefusedAtOnce) {
  const fs::path fifo = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/null", folder_ / "device");
  fs::create_symlink(folder_ / "none" / "x", folder_ / "dangling");
  for (const fs::path& target :
       {fifo, folder_ / "device", folder_ / "dangling", folder_ / ".", fs::path("/dev/full")}) {
    EXPECT_THROW(FileReplacement{target}, FileWriteError) << target;
  }
  EXPECT_EQ(Names(), (std::set<std::string>{"pipe", "device", "dangling"}));
}

TEST_F(FileReplacementTest, SameOutputFileUnderAnySpelling) {
  const fs::path file = folder_ / "a.txt";
  fs::create_directory(folder_ / "sub");
  fs::create_symlink(folder_ / "sub", folder_ / "sub-link");
  // Not there yet.
  EXPECT_TRUE(SameOutputFile(file, folder_ / "." / "a.txt"));
  EXPECT_TRUE(SameOutputFile(folder_ / "sub" / "b", folder_ / "sub-link" / "b"));
  EXPECT_FALSE(SameOutputFile(file, folder_ / "b.txt"));
  // There, under another name.
  std::ofstream(file) << "x";
  fs::create_hard_link(file, folder_ / "hard.txt");
  EXPECT_TRUE(SameOutputFile(file, folder_ / "hard.txt"));
}

}  // namespace
}  // namespace zufora
