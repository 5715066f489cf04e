#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zufora::testing {

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    EXPECT_NE(end, std::string::npos) << "every line of a list text ends with LF";
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

inline std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find('\t', start);
    fields.push_back(line.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) {
      return fields;
    }
    start = end + 1;
  }
}

// The allocations of a rendered list text in the notation "3,1,3|2,1,3|": the arm of each
// allocation line, "|" for each block separator line, and "[heading]" for each centre
// heading. The title and seed lines are skipped (the first two lines, or the first one
// of a centre list). Checks on the way that patient numbers run 1, 2, 3 ... per list
// and that every allocation line names its arm's description "Arm-i".
inline std::string ArmPattern(const std::string& text, const std::string& separator,
                              const std::string& center_caption = "Zentrum") {
  const std::vector<std::string> lines = SplitLines(text);
  std::string pattern;
  int expected_patient = 1;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == separator) {
      pattern += '|';
      continue;
    }
    if (line.rfind(center_caption, 0) == 0) {
      pattern += "[" + line + "]";
      expected_patient = 1;
      continue;
    }
    const auto fields = SplitTabs(line);
    if (fields.size() != 3) {
      continue;  // the seed line of a single list
    }
    EXPECT_EQ(fields[0], std::to_string(expected_patient)) << "line " << i;
    EXPECT_EQ(fields[2], "Arm-" + fields[1]) << "line " << i;
    ++expected_patient;
    if (!pattern.empty() && pattern.back() != '|' && pattern.back() != ']') {
      pattern += ',';
    }
    pattern += fields[1];
  }
  return pattern;
}

}  // namespace zufora::testing
