#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ZuforaCli.h"

namespace zufora::cli::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the command line in a folder of its own, removed after each test.
class CliFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("zufora-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  static CliRun Cli(const std::vector<std::string>& arguments, const ProgramContext& context = {}) {
    return CliAt(arguments, 1700000000, context);
  }
  // With the clock at `seconds`: another proposed seed than Cli's.
  static CliRun CliAt(const std::vector<std::string>& arguments, std::int64_t seconds,
                      const ProgramContext& context = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const CalendarClock clock = [seconds] { return seconds; };
    const int status = RunZuforaCli(arguments, out, err, clock, context);
    return {status, out.str(), err.str()};
  }

  // The names in the test's folder.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  static std::string Example(const char* name) {
    return (std::filesystem::path(ZUFORA_EXAMPLES_DIR) / name).string();
  }

  static std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

  std::filesystem::path folder_;
};

// The lines of a text, without their line ends (LF or CR LF).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace zufora::cli::testing
