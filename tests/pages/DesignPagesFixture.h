#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"
#include "support/FakeDesignFiles.h"
#include "support/RecordingMessageSink.h"

namespace zufora::testing {

// The built-in texts after a first show without a language file.
inline ProgramTexts ShownTexts() {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  return texts;
}

// A model over the built-in texts, with a recording sink and a clock fixed at
// 1000000000 seconds, whose seed proposal is 992538752.
class DesignPagesTest : public ::testing::Test {
 protected:
  using Kind = RecordingMessageSink::Kind;
  using Event = RecordingMessageSink::Event;

  static constexpr const char* kProposedSeed = "992538752";

  const std::string& Msg(Message message) const { return texts_.catalogue.Text(message); }
  static Event Plain(const std::string& text) { return {Kind::Plain, text}; }
  static Event Question(const std::string& text, bool answer) {
    return {Kind::Question, text, answer};
  }
  static Event PageEvent(Page page) { return {Kind::Page, std::string(PageName(page))}; }
  const std::vector<Event>& Events() const { return sink_.Events(); }

  // The focus leaves the design page for a button below the pages: the design page
  // check runs.
  void LeaveDesignPage() {
    pages_.FocusControl(Control::SampleSizeField);
    pages_.FocusControl(Control::SaveButton);
  }

  // Moves off the design page once (running its check) and back, forgetting what the
  // sink recorded, so that a test starts from sized tables.
  void CheckDesignPage() {
    pages_.MovePage(Page::Arms);
    pages_.MovePage(Page::Design);
    sink_.Clear();
  }

  // Per-centre lists with `count` centres, checked, and the centre page active.
  void OpenCentrePage(const std::string& count) {
    pages_.SetPerCentreLists(true);
    pages_.SetCentreCount(count);
    pages_.MovePage(Page::Centres);
    ASSERT_EQ(pages_.State().active_page, Page::Centres);
    sink_.Clear();
  }

  // Types a centre's planned sample size through the field under the table.
  void TypeCentreSize(std::int32_t row, const std::string& size) {
    ASSERT_TRUE(pages_.ClickCentreRow(row));
    pages_.TypeCentreField(kCentreSampleSizeColumn, size);
  }

  // Design files in memory, unless a fixture passes other ones.
  DesignPagesTest() : DesignPagesTest(nullptr) {}
  explicit DesignPagesTest(DesignFiles* files) : files_(files != nullptr ? *files : fake_files_) {}

  ProgramTexts texts_ = ShownTexts();
  RecordingMessageSink sink_;
  FakeDesignFiles fake_files_;
  DesignFiles& files_;
  ParkMillerShuffleGenerator generator_;
  CalendarClock clock_ = [] { return std::int64_t{1000000000}; };
  DesignPages pages_{texts_, sink_, generator_, clock_, files_};
};

}  // namespace zufora::testing
