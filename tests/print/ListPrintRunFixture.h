#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "print/PrintLogQueries.h"
#include "support/RecordingSurface.h"

// What the print run's tests share.
namespace zufora::print_test {

using Kind = PrintOperation::Kind;

inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// A job with the built-in texts of a first show without language file.
inline PrintJobTexts BuiltInJob() {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  return PrintJobTexts::From(texts, "", [] { return std::string("24.05.2024"); });
}

// The page of the print run: 4800 × 6800 at 600 dpi. Texts measure 4 units per point and
// character: 48 at 12 points, 56 at 14, 40 at 10.
class PrintRunTest : public ::testing::Test {
 protected:
  PrintRunTest() : surface_(4800, 6800, 600) {}

  void Print(const std::vector<std::string>& lines) {
    job_.list_text = JoinLines(lines);
    run_.Print(surface_, job_);
  }

  // The one text of a page equal to `text`.
  PrintOperation Only(std::int32_t page, const std::string& text) {
    const auto found = FindTexts(surface_, page, text);
    EXPECT_EQ(found.size(), 1U) << "\"" << text << "\" on page " << page;
    return found.empty() ? PrintOperation{} : found.front();
  }

  RecordingSurface surface_;
  ListPrintRun run_;
  PrintJobTexts job_ = BuiltInJob();
};

// A list without centres: the study name, the seed note and one line per patient.
inline std::vector<std::string> SingleList(int patients) {
  std::vector<std::string> lines{"Teststudie", "Seed: (4711)"};
  for (int i = 1; i <= patients; ++i) {
    lines.push_back(std::to_string(i) + "\t1\tVerum");
  }
  return lines;
}

}  // namespace zufora::print_test
