#include "pages/DesignPages.h"

#include <array>
#include <limits>
#include <utility>

#include "design/Limits.h"
#include "pages/LongTextNotice.h"
#include "random/ListText.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

constexpr std::array<std::string_view, kArmColumns> kArmHeadingLabels = {
    "LabelArm", "LabelArmDescr", "LabelRatio"};
constexpr std::array<std::string_view, kCentreColumns> kCentreHeadingLabels = {
    "LabelCenter", "LabelCenterId", "LabelCenterDescr", "LabelSampleSize"};

// Heading row plus one row per item. Formed in 64 bits so that no count overflows;
// the callers have bounded the count, so the result fits the grid's row type.
std::int32_t RowCountFor(std::int32_t count) {
  const std::int64_t rows = static_cast<std::int64_t>(count) + 1;
  return rows < 1 ? 1 : static_cast<std::int32_t>(rows);
}

std::string RowLabel(const std::string& caption, std::int32_t row) {
  return caption + " " + std::to_string(row);
}

// The lenient reading of EditSumme. The field may hold a sum that the 32-bit integer
// text cannot (many large centres), so a plain decimal of up to 18 digits is read in
// 64 bits as well; anything else counts as 0.
std::int64_t ReadSumLeniently(std::string_view text) {
  if (const auto value = ParseIntegerText(text)) {
    return *value;
  }
  constexpr std::int64_t kEighteenDigits = 999'999'999'999'999'999;
  const auto value = ParseWideInteger(text, {.leading_blanks = true, .hex = false});
  return value && *value >= -kEighteenDigits && *value <= kEighteenDigits ? *value : 0;
}

}  // namespace

DesignPages::DesignPages(const ProgramTexts& texts, MessageSink& sink,
                         ParkMillerShuffleGenerator& generator, const CalendarClock& clock,
                         DesignFiles& files)
    : texts_(texts), sink_(sink), generator_(generator), clock_(clock), files_(files) {
  ShowFirstPage();
}

const std::string& DesignPages::Caption(std::string_view component_name) const {
  return texts_.main_window.CaptionOf(component_name);
}

const std::string& DesignPages::Text(Message message) const {
  return texts_.catalogue.Text(message);
}

// ---- What the user types and clicks ------------------------------------------------

void DesignPages::SetPerCentreLists(bool on) {
  if (design_.per_centre_lists == on) {
    return;
  }
  design_.per_centre_lists = on;
  ApplyPerCentreSwitch();
}

void DesignPages::PerCentreSwitchKeyDown() {
  SetCentreSwitchEnabling(design_.per_centre_lists);
}

void DesignPages::SelectBlockSizeMode(BlockSizeMode mode) {
  design_.block_mode = mode;
  ApplyBlockSizeEnabling();
}

void DesignPages::TypeArmField(int column, std::string text) {
  if (column != kArmLabelColumn) {
    state_.arm_rows.Type(column, std::move(text), design_.arms);
  }
}

void DesignPages::TypeCentreField(int column, std::string text) {
  if (column != kCentreLabelColumn &&
      state_.centre_rows.Type(column, std::move(text), design_.centres) &&
      state_.active_page == Page::Centres) {
    RecomputeCentreSum();  // the changed cell is repainted
  }
}

bool DesignPages::ClickArmRow(std::int32_t row) {
  if (!state_.arm_rows.Select(row, design_.arms)) {
    return false;
  }
  state_.arm_rows.Fill(design_.arms);  // StringGridArmeClick
  state_.focus = Control::ArmDescriptionField;
  return true;
}

bool DesignPages::ClickCentreRow(std::int32_t row) {
  if (!state_.centre_rows.Select(row, design_.centres)) {
    return false;
  }
  state_.centre_rows.Fill(design_.centres);  // StringGridZentrenClick
  state_.focus = Control::CentreDescriptionField;
  return true;
}

// ---- Handlers -------------------------------------------------------------------

void DesignPages::ShowFirstPage() {
  // The start page is set without the change handler, and the view shows it itself.
  state_.active_page = Page::Design;
  state_.centre_tab_visible = false;
  state_.centre_page_enabled = false;
  state_.strata_tab_visible = false;
  state_.strata_page_enabled = false;
  ShowDesignPage();
}

void DesignPages::ShowDesignPage() {
  state_.focus = Control::SampleSizeField;
}

void DesignPages::ShowAndReturnToDesign(Message message) {
  sink_.ShowPlain(Text(message));
  SwitchPage(Page::Design);
}

void DesignPages::CheckDesignPage() {
  if (design_.seed.empty()) {
    design_.seed = zufora::ProposeSeed(generator_, clock_);
  }
  state_.last_design_check = DesignCheck::Stopped;

  const std::optional<std::int32_t> arm_count = ParseIntegerText(design_.arm_count);
  if (!arm_count || *arm_count > kMaxArms) {
    ShowAndReturnToDesign(Message::MessageArmCount);
    return;
  }
  design_.checked.arm_count = *arm_count;

  const std::optional<std::int32_t> sample_size = ParseIntegerText(design_.sample_size);
  if (!sample_size) {
    ShowAndReturnToDesign(Message::MessagePatientCount);
    return;
  }
  design_.checked.sample_size = *sample_size;

  state_.last_design_check = DesignCheck::Passed;
  if (design_.checked.arm_count > design_.checked.sample_size) {
    state_.last_design_check = DesignCheck::Warned;
    ShowAndReturnToDesign(Message::MessageArmPatientCount);  // and on all the same
  }

  TextGrid& arms = design_.arms;
  arms.SetRowCount(RowCountFor(design_.checked.arm_count));
  state_.arm_rows.FollowRowCount(arms);
  for (int column = 0; column < kArmColumns; ++column) {
    arms.SetCell(column, 0, Caption(kArmHeadingLabels[static_cast<std::size_t>(column)]));
  }
  const std::string& arm_caption = Caption("LabelArm");
  for (std::int32_t row = 1; row <= design_.checked.arm_count; ++row) {
    arms.SetCell(kArmLabelColumn, row, RowLabel(arm_caption, row));
    if (arms.Cell(kArmRatioColumn, row).empty()) {
      arms.SetCell(kArmRatioColumn, row, "1");
    }
  }

  if (!design_.per_centre_lists) {
    return;
  }
  state_.centre_tab_visible = true;
  state_.centre_page_enabled = true;

  const std::optional<std::int32_t> centre_count = ParseIntegerText(design_.centre_count);
  if (!centre_count || *centre_count > kMaxCentres) {
    state_.last_design_check = DesignCheck::Stopped;
    ShowAndReturnToDesign(Message::MessageCenterCount);
    return;
  }
  design_.checked.centre_count = *centre_count;

  TextGrid& centres = design_.centres;
  centres.SetRowCount(RowCountFor(design_.checked.centre_count));
  state_.centre_rows.FollowRowCount(centres);
  for (int column = 0; column < kCentreColumns; ++column) {
    centres.SetCell(column, 0, Caption(kCentreHeadingLabels[static_cast<std::size_t>(column)]));
  }
  const std::string& centre_caption = Caption("LabelCenter");
  for (std::int32_t row = 1; row <= design_.checked.centre_count; ++row) {
    if (centres.Cell(kCentreLabelColumn, row).empty()) {
      centres.SetCell(kCentreLabelColumn, row, RowLabel(centre_caption, row));
    }
    if (centres.Cell(kCentreNumberColumn, row).empty()) {
      centres.SetCell(kCentreNumberColumn, row, std::to_string(row));
    }
  }
}

void DesignPages::SetCentreSwitchEnabling(bool on) {
  state_.centre_page_enabled = on;
  state_.centre_count_enabled = on;
}

void DesignPages::ApplyPerCentreSwitch() {
  SetCentreSwitchEnabling(design_.per_centre_lists);
  state_.centre_tab_visible = design_.per_centre_lists;
  if (!design_.per_centre_lists) {
    design_.checked.centre_count = 1;
  }
}

void DesignPages::EnterCentrePage() {
  state_.centre_rows.Fill(design_.centres);
}

void DesignPages::RecomputeCentreSum() {
  const TextGrid& centres = design_.centres;
  std::int64_t sum = 0;  // up to kMaxCentres cells of 32 bits each
  for (std::int32_t row = 1; row < centres.RowCount(); ++row) {
    sum += ParseIntegerOrZero(centres.Cell(kCentreSampleSizeColumn, row));
  }
  state_.centre_sum_text = std::to_string(sum);
}

void DesignPages::CheckCentreSum() {
  if (!design_.per_centre_lists) {
    return;
  }
  const std::int64_t sum = ReadSumLeniently(state_.centre_sum_text);
  if (sum == 0) {
    sink_.ShowPlain(Text(Message::MessageExpectedSampleSize));
    return;
  }
  if (sum > design_.checked.sample_size) {
    if (sink_.AskQuestion(Text(Message::MessageSampleSizeError))) {
      design_.sample_size = std::to_string(sum);
      // A sum beyond 32 bits cannot become the checked number; the generator then
      // refuses the planned sample size field as it refuses any such text.
      if (sum <= std::numeric_limits<std::int32_t>::max()) {
        design_.checked.sample_size = static_cast<std::int32_t>(sum);
      }
    }
  }
  if (sum < design_.checked.sample_size) {
    sink_.ShowPlain(Text(Message::MessageSampleSizeError2));
  }
}

void DesignPages::ApplyBlockSizeEnabling() {
  const bool variable = design_.block_mode == BlockSizeMode::Variable;
  state_.fixed_block_size_enabled = !variable;
  state_.min_block_size_enabled = variable;
  state_.max_block_size_enabled = variable;
}

void DesignPages::AfterPageChange() {
  if (!design_.per_centre_lists) {
    state_.centre_tab_visible = false;
    state_.centre_page_enabled = false;
  }
  if (!design_.stratified) {
    state_.strata_tab_visible = false;
    state_.strata_page_enabled = false;
  }
  if (state_.active_page == Page::Centres && !design_.per_centre_lists) {
    sink_.ShowPlain(Text(Message::MessageCheckListEachCenter));
    SwitchPage(Page::Design);
  }
  if (state_.active_page == Page::Strata && !design_.stratified) {
    sink_.ShowPlain(Text(Message::MessageCheckStrata));
    SwitchPage(Page::Design);
  }
  if (state_.active_page == Page::Arms) {
    state_.arm_rows.Fill(design_.arms);
  }
  if (state_.active_page == Page::Centres) {
    state_.centre_rows.Fill(design_.centres);
  }
}

void DesignPages::ProposeSeed() {
  design_.seed = zufora::ProposeSeed(generator_, clock_);
}

bool DesignPages::NumberingChoice(std::int64_t allocation_count,
                                  std::optional<NumberingOptions>& numbering) const {
  const BlindingChoices& choices = state_.blinding;
  numbering.reset();
  if (!choices.numbers) {
    return true;
  }
  NumberingOptions options{.random = choices.random_numbers,
                           .format = choices.number_format,
                           .check_digit = choices.check_digit};
  if (NumberingProblem(options, allocation_count)) {
    sink_.ShowPlain(FillPlaceholders(Text(Message::MessageNumberFormat), {options.format}));
    return false;
  }
  numbering = std::move(options);
  return true;
}

std::string DesignPages::ProposedFileName(std::string_view extension) const {
  if (!state_.test_list_drawn) {
    return {};
  }
  const std::string stem = design_.study_name.empty() ? "" : design_.study_name + " ";
  return stem + "TEST" + std::string(extension);
}

DesignPages::LoadOutcome DesignPages::OpenDesign(const std::optional<std::string>& file_name) {
  LoadOutcome outcome = LoadOutcome::Cancelled;
  if (file_name) {
    const CentreHeadings headings = {Caption("LabelCenter"), Caption("LabelCenterId"),
                                     Caption("LabelCenterDescr"), Caption("LabelSampleSize")};
    const bool was_per_centre = design_.per_centre_lists;
    const bool was_stratified = design_.stratified;
    const DesignLoad load = files_.Load(*file_name, headings, design_);
    switch (load.status) {
      case DesignLoadStatus::Unreadable:
        sink_.ShowPlain(texts_.catalogue.ErrorFileOpenMessage(*file_name));
        outcome = LoadOutcome::Unreadable;
        break;
      case DesignLoadStatus::Refused:
        sink_.ShowPlain(load.text);
        outcome = LoadOutcome::Refused;
        break;
      case DesignLoadStatus::Missing:
        sink_.ShowPlain(texts_.catalogue.Compose(Message::MessageDesignFileMissing, {*file_name}));
        outcome = LoadOutcome::MissingFile;
        break;
      case DesignLoadStatus::Loaded:
        outcome = LoadOutcome::Loaded;
        if (design_.per_centre_lists != was_per_centre) {
          ApplyPerCentreSwitch();  // the check box changed state
        }
        if (design_.stratified != was_stratified) {
          ApplyStrataSwitch();
        }
        state_.arm_rows.FollowRowCount(design_.arms);
        state_.centre_rows.FollowRowCount(design_.centres);
        state_.strata.ShowNew(design_.factors, StrataTableCaptions());
        ApplyBlockSizeEnabling();
        break;
    }
  }
  // Closing steps, also after a cancel or a file that was not taken.
  ApplyPerCentreSwitch();
  ApplyStrataSwitch();
  SwitchPage(Page::Design);
  state_.focus = Control::SampleSizeField;
  return outcome;
}

bool DesignPages::SaveDesign(const std::optional<std::string>& file_name) {
  if (!file_name) {
    return false;
  }
  files_.Save(*file_name, design_);
  if (const std::optional<std::string> notice = LongTextNotice(texts_, design_)) {
    sink_.ShowNotice(*notice);
  }
  return true;
}

}  // namespace zufora
