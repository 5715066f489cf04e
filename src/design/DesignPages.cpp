#include "design/DesignPages.h"

#include <array>
#include <limits>
#include <utility>

#include "design/Limits.h"
#include "files/DesignFileStore.h"
#include "random/ListGenerator.h"
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
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t digits = text.size() - i;
  if (digits == 0 || digits > 18) {
    return 0;
  }
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') {
      return 0;
    }
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

}  // namespace

DesignPages::DesignPages(const ProgramTexts& texts, MessageSink& sink,
                         ParkMillerShuffleGenerator& generator, const CalendarClock& clock)
    : texts_(texts),
      sink_(sink),
      generator_sink_(sink, [this](Page page) { SwitchPage(page); }),
      generator_(generator),
      clock_(clock) {
  FormShow();
}

const std::string& DesignPages::Caption(std::string_view component_name) const {
  return texts_.main_window.CaptionOf(component_name);
}

const std::string& DesignPages::Text(Message message) const {
  return texts_.catalogue.Text(message);
}

// ---- Setters --------------------------------------------------------------------

void DesignPages::SetCheckBoxZentren(bool on) {
  if (design_.per_centre_lists == on) {
    return;
  }
  design_.per_centre_lists = on;
  CheckBoxZentrenClick();
}

void DesignPages::SelectBlockSizeMode(BlockSizeMode mode) {
  design_.block_mode = mode;
  RadioButton1MouseUp();
}

void DesignPages::SetEditCBeschr(std::string text) {
  edit_c_beschr_ = std::move(text);
  EditCBeschrChange();
}

void DesignPages::SetEditCRatio(std::string text) {
  edit_c_ratio_ = std::move(text);
  EditCRatioChange();
}

void DesignPages::SetEditANummer(std::string text) {
  edit_a_nummer_ = std::move(text);
  EditANummerChange();
}

void DesignPages::SetEditABeschr(std::string text) {
  edit_a_beschr_ = std::move(text);
  EditABeschrChange();
}

void DesignPages::SetEditAFallzahl(std::string text) {
  edit_a_fallzahl_ = std::move(text);
  EditAFallzahlChange();
}

bool DesignPages::ClickArmRow(std::int32_t row) {
  if (!arm_selection_.Select(row, design_.arms)) {
    return false;
  }
  StringGridArmeClick();
  return true;
}

bool DesignPages::ClickCentreRow(std::int32_t row) {
  if (!centre_selection_.Select(row, design_.centres)) {
    return false;
  }
  StringGridZentrenClick();
  return true;
}

// ---- Page moves -----------------------------------------------------------------

void DesignPages::SwitchPage(Page page) {
  const bool shows_design = page == Page::TabSheetDesign && active_page_ != Page::TabSheetDesign;
  active_page_ = page;
  if (page == Page::TabSheetDesign) {
    design_brought_to_front_ = true;
  }
  sink_.ActivatePage(page);
  if (shows_design) {
    TabSheetDesignShow();
  }
}

bool DesignPages::TabVisible(Page page) const {
  return page != Page::TabSheetZentren || centre_tab_visible_;
}

Page DesignPages::NeighbourPage(int step) const {
  int index = static_cast<int>(active_page_);
  for (int tries = 0; tries < kPageCount; ++tries) {
    index = (index + step + kPageCount) % kPageCount;
    const auto page = static_cast<Page>(index);
    if (TabVisible(page)) {
      return page;
    }
  }
  return active_page_;
}

void DesignPages::LeavePage(Page page) {
  if (page == Page::TabSheetDesign) {
    TabSheetDesignExit();
  } else if (page == Page::TabSheetZentren) {
    TabSheetZentrenExit();
  }
}

void DesignPages::EnterPage(Page page) {
  if (page == Page::TabSheetDesign) {
    TabSheetDesignShow();
  } else if (page == Page::TabSheetZentren) {
    TabSheetZentrenEnter();
  }
}

void DesignPages::MoveTo(Page target, bool report) {
  if (target == active_page_) {
    return;
  }
  design_brought_to_front_ = false;
  LeavePage(active_page_);
  if (design_brought_to_front_) {
    return;  // a check put the user back on the design page: the move is given up
  }
  active_page_ = target;
  if (report) {
    sink_.ActivatePage(target);
  }
  EnterPage(target);
  PageControl1Change();
  if (active_page_ == Page::TabSheetZentren) {
    StringGridZentrenDrawCell();  // the table is painted as the page appears
  }
}

void DesignPages::MovePage(Page target) {
  MoveTo(target, false);
}

void DesignPages::BitBtnBackClick() {
  MoveTo(NeighbourPage(-1), true);
}

void DesignPages::BitBtnNextClick() {
  MoveTo(NeighbourPage(+1), true);
}

void DesignPages::FocusLeavesPageControl() {
  LeavePage(active_page_);
}

// ---- Handlers -------------------------------------------------------------------

void DesignPages::FormShow() {
  // The start page is set without the change handler, and the view shows it itself.
  active_page_ = Page::TabSheetDesign;
  centre_tab_visible_ = false;
  centre_page_enabled_ = false;
}

void DesignPages::TabSheetDesignShow() {
  focused_control_ = "EditAnz";
}

void DesignPages::TabSheetDesignExit() {
  if (design_.seed.empty()) {
    design_.seed = ProposeSeed(generator_, clock_);
  }

  const std::optional<std::int32_t> arm_count = ParseIntegerText(design_.arm_count);
  if (!arm_count || *arm_count > kMaxArms) {
    sink_.ShowPlain(Text(Message::MessageArmCount));
    SwitchPage(Page::TabSheetDesign);
    return;
  }
  design_.checked.arm_count = *arm_count;

  const std::optional<std::int32_t> sample_size = ParseIntegerText(design_.sample_size);
  if (!sample_size) {
    sink_.ShowPlain(Text(Message::MessagePatientCount));
    SwitchPage(Page::TabSheetDesign);
    return;
  }
  design_.checked.sample_size = *sample_size;

  if (design_.checked.arm_count > design_.checked.sample_size) {
    sink_.ShowPlain(Text(Message::MessageArmPatientCount));
    SwitchPage(Page::TabSheetDesign);
  }

  TextGrid& arms = design_.arms;
  arms.SetRowCount(RowCountFor(design_.checked.arm_count));
  arm_selection_.FollowRowCount(arms);
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
  centre_tab_visible_ = true;
  centre_page_enabled_ = true;

  const std::optional<std::int32_t> centre_count = ParseIntegerText(design_.centre_count);
  if (!centre_count || *centre_count > kMaxCentres) {
    sink_.ShowPlain(Text(Message::MessageCenterCount));
    SwitchPage(Page::TabSheetDesign);
    return;
  }
  design_.checked.centre_count = *centre_count;

  TextGrid& centres = design_.centres;
  centres.SetRowCount(RowCountFor(design_.checked.centre_count));
  centre_selection_.FollowRowCount(centres);
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
  centre_page_enabled_ = on;
  edit_zentren_enabled_ = on;
}

void DesignPages::CheckBoxZentrenClick() {
  SetCentreSwitchEnabling(design_.per_centre_lists);
  centre_tab_visible_ = design_.per_centre_lists;
  if (!design_.per_centre_lists) {
    design_.checked.centre_count = 1;
  }
}

void DesignPages::CheckBoxZentrenKeyDown() {
  SetCentreSwitchEnabling(design_.per_centre_lists);
}

void DesignPages::FillArmFields() {
  const TextGrid& arms = design_.arms;
  const std::int32_t row = arm_selection_.Row();
  edit_c_arm_ = arms.Cell(kArmLabelColumn, row);
  edit_c_beschr_ = arms.Cell(kArmDescriptionColumn, row);
  edit_c_ratio_ = arms.Cell(kArmRatioColumn, row);
}

void DesignPages::FillCentreFields() {
  const TextGrid& centres = design_.centres;
  const std::int32_t row = centre_selection_.Row();
  edit_a_zentrum_ = centres.Cell(kCentreLabelColumn, row);
  edit_a_nummer_ = centres.Cell(kCentreNumberColumn, row);
  edit_a_beschr_ = centres.Cell(kCentreDescriptionColumn, row);
  edit_a_fallzahl_ = centres.Cell(kCentreSampleSizeColumn, row);
}

void DesignPages::WriteArmCell(int column, const std::string& text) {
  if (arm_selection_.OnDataRow(design_.arms)) {
    design_.arms.SetCell(column, arm_selection_.Row(), text);
  }
}

void DesignPages::WriteCentreCell(int column, const std::string& text) {
  if (!centre_selection_.OnDataRow(design_.centres)) {
    return;
  }
  design_.centres.SetCell(column, centre_selection_.Row(), text);
  if (active_page_ == Page::TabSheetZentren) {
    StringGridZentrenDrawCell();  // the changed cell is repainted
  }
}

void DesignPages::StringGridArmeClick() {
  FillArmFields();
  focused_control_ = "EditCBeschr";
}

void DesignPages::StringGridArmeExit() {
  FillArmFields();
}

void DesignPages::EditCBeschrChange() {
  WriteArmCell(kArmDescriptionColumn, edit_c_beschr_);
}

void DesignPages::EditCRatioChange() {
  WriteArmCell(kArmRatioColumn, edit_c_ratio_);
}

void DesignPages::TabSheetZentrenEnter() {
  FillCentreFields();
}

void DesignPages::StringGridZentrenClick() {
  FillCentreFields();
  focused_control_ = "EditABeschr";
}

void DesignPages::StringGridZentrenExit() {
  FillCentreFields();
}

void DesignPages::EditANummerChange() {
  WriteCentreCell(kCentreNumberColumn, edit_a_nummer_);
}

void DesignPages::EditABeschrChange() {
  WriteCentreCell(kCentreDescriptionColumn, edit_a_beschr_);
}

void DesignPages::EditAFallzahlChange() {
  WriteCentreCell(kCentreSampleSizeColumn, edit_a_fallzahl_);
}

void DesignPages::StringGridZentrenDrawCell() {
  const TextGrid& centres = design_.centres;
  std::int64_t sum = 0;  // up to kMaxCentres cells of 32 bits each
  for (std::int32_t row = 1; row < centres.RowCount(); ++row) {
    sum += ParseIntegerOrZero(centres.Cell(kCentreSampleSizeColumn, row));
  }
  edit_summe_ = std::to_string(sum);
}

void DesignPages::StringGridZentrenSetEditText() {
  StringGridZentrenDrawCell();
}

void DesignPages::TabSheetZentrenExit() {
  if (!design_.per_centre_lists) {
    return;
  }
  const std::int64_t sum = ReadSumLeniently(edit_summe_);
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
  edit_fix_enabled_ = !variable;
  edit_von_enabled_ = variable;
  edit_bis_enabled_ = variable;
}

void DesignPages::RadioButton1MouseUp() {
  ApplyBlockSizeEnabling();
}

void DesignPages::RadioButton1KeyUp() {
  ApplyBlockSizeEnabling();
}

void DesignPages::PageControl1Change() {
  if (!design_.per_centre_lists) {
    centre_tab_visible_ = false;
    centre_page_enabled_ = false;
  }
  if (active_page_ == Page::TabSheetZentren && !design_.per_centre_lists) {
    sink_.ShowPlain(Text(Message::MessageCheckListEachCenter));
    SwitchPage(Page::TabSheetDesign);
  }
  if (active_page_ == Page::TabSheetArme) {
    FillArmFields();
  }
  if (active_page_ == Page::TabSheetZentren) {
    FillCentreFields();
  }
}

void DesignPages::ButtonZZClick() {
  design_.seed = ProposeSeed(generator_, clock_);
}

bool DesignPages::BitBtnStartClick() {
  list_text_.clear();
  const GenerationResult result =
      GenerateLists(design_, texts_.catalogue, generator_sink_, generator_);
  if (!result.leaves_list_empty) {
    const ListTextOptions options{.mark_blocks = mark_blocks_,
                                  .show_seed = show_seed_,
                                  .block_separator = BlockSeparator(),
                                  .center_caption = CenterCaption()};
    list_text_ = RenderListText(result, design_, options);
  }
  generation_completed_ = result.complete;
  return generation_completed_;
}

DesignPages::LoadOutcome DesignPages::BitBtnLoadClick(const std::optional<std::string>& file_name) {
  LoadOutcome outcome = LoadOutcome::Cancelled;
  if (file_name) {
    const CentreHeadings headings = {Caption("LabelCenter"), Caption("LabelCenterId"),
                                     Caption("LabelCenterDescr"), Caption("LabelSampleSize")};
    const bool was_per_centre = design_.per_centre_lists;
    const DesignFileLoad load = LoadDesignFile(*file_name, headings, design_);
    if (load.status == FileReadStatus::Unreadable) {
      sink_.ShowPlain(texts_.catalogue.ErrorFileOpenMessage(*file_name));
      outcome = LoadOutcome::Unreadable;
    } else if (load.refusal) {
      sink_.ShowPlain(load.refusal->text);
      outcome = LoadOutcome::Refused;
    } else {
      outcome =
          load.status == FileReadStatus::Missing ? LoadOutcome::MissingFile : LoadOutcome::Loaded;
      if (design_.per_centre_lists != was_per_centre) {
        CheckBoxZentrenClick();  // the check box changed state
      }
      arm_selection_.FollowRowCount(design_.arms);
      centre_selection_.FollowRowCount(design_.centres);
      ApplyBlockSizeEnabling();
    }
  }
  // Closing steps, also after a cancel or a file that was not taken.
  CheckBoxZentrenClick();
  SwitchPage(Page::TabSheetDesign);
  focused_control_ = "EditAnz";
  return outcome;
}

bool DesignPages::BitBtnSaveClick(const std::optional<std::string>& file_name) {
  if (!file_name) {
    return false;
  }
  SaveDesignFile(*file_name, design_);
  return true;
}

}  // namespace zufora
