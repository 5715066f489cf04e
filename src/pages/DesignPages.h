#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "design/DesignFiles.h"
#include "design/MessageSink.h"
#include "design/Page.h"
#include "design/StudyDesign.h"
#include "evidence/RandomisationNumbers.h"
#include "lang/ProgramTexts.h"
#include "pages/Control.h"
#include "pages/Generation.h"
#include "pages/PagesState.h"
#include "random/ListConsumer.h"
#include "random/ListText.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora {

// The main window's pages without widgets: the study design as the pages hold it
// (Design()), the state of the pages (State()), the list field (ListText()), and
// one operation for each thing the user does. The window is a view: it forwards each
// event to its operation and then shows Design(), State() and ListText(), which is
// all there is to show.
//
// Messages and questions go to the MessageSink, and so does every page switch that an
// operation makes by code (a check, Back/Next, loading, a generation); a page move that
// the user makes with a tab (MovePage) is not reported back, the view already shows it.
//
// The focus is the window's to tell (FocusControl): the checks run when the focus
// leaves a page, so the model must know where it is. A page move by tab or button
// first moves the focus to the tabs or the button, which runs the exit handlers of the
// page left only when the focus was inside it.
//
// Captions (LabelArm, LabelCenter, ...) are read from the main window's texts at the
// moment an operation needs them, messages from the catalogue likewise, so that a
// language file applied after construction takes effect.
//
// Values that cannot be held are refused by the design page check like a parse failure:
// an arm count above kMaxArms with MessageArmCount, a centre count above kMaxCentres
// with MessageCenterCount.
class DesignPages {
 public:
  // What became of a press of "Studiendesign öffnen".
  enum class LoadOutcome {
    Cancelled,    // no file chosen
    Loaded,       // the file's design is on the pages
    MissingFile,  // no file of that name; pages unchanged
    Refused,      // the file asks for more than the program can hold; pages unchanged
    Unreadable,   // the file exists but could not be read; pages unchanged
  };

  // All five are owned by the program and must outlive the model; `clock` is read by
  // every seed proposal. The texts are read when an operation needs them: captions of
  // the main window, catalogue messages, and the block separator and centre word that
  // the first show derived. Runs ShowFirstPage: the design page in front, the centre page
  // hidden, the focus on EditAnz.
  DesignPages(const ProgramTexts& texts, MessageSink& sink, ParkMillerShuffleGenerator& generator,
              const CalendarClock& clock, DesignFiles& files);
  // The clock is kept by reference: a temporary would not outlive the model.
  DesignPages(const ProgramTexts&, MessageSink&, ParkMillerShuffleGenerator&, CalendarClock&&,
              DesignFiles&) = delete;
  DesignPages(const DesignPages&) = delete;
  DesignPages& operator=(const DesignPages&) = delete;

  // ---- What a view shows --------------------------------------------------------

  const StudyDesign& Design() const { return design_; }
  const PagesState& State() const { return state_; }
  // The list field RichEditList: cp1252 lines, each ended by LF, as the last generation
  // rendered them or as the user edited them.
  const std::string& ListText() const { return list_text_; }

  // BlockSeparator and CenterCaption, as the list text and the print run use them.
  const std::string& BlockSeparator() const { return texts_.derived.block_separator; }
  const std::string& CenterCaption() const { return texts_.derived.center_caption; }

  // ---- What the user types and clicks -----------------------------------------
  // Each setter does what the user's input does in the window, change handlers
  // included; none runs a check (checks run when a page is left) and none moves the
  // focus (the window tells it).

  void SetStudyName(std::string text) { design_.study_name = std::move(text); }
  void SetSampleSize(std::string text) { design_.sample_size = std::move(text); }
  void SetArmCount(std::string text) { design_.arm_count = std::move(text); }
  void SetCentreCount(std::string text) { design_.centre_count = std::move(text); }
  void SetFixedBlockSize(std::string text) { design_.fixed_block_size = std::move(text); }
  void SetMinBlockSize(std::string text) { design_.min_block_size = std::move(text); }
  void SetMaxBlockSize(std::string text) { design_.max_block_size = std::move(text); }
  void SetSeed(std::string text) { design_.seed = std::move(text); }
  void SetStratumLength(std::string text) { design_.stratum_length = std::move(text); }
  // Text typed into EditSumme stands until a centre cell changes or the centre page
  // is shown again; the centre sum check reads whatever it holds.
  void SetCentreSumText(std::string text) { state_.centre_sum_text = std::move(text); }
  void SetListText(std::string text) { list_text_ = std::move(text); }
  void SetMarkBlocks(bool on) { state_.mark_blocks = on; }
  void SetShowSeed(bool on) { state_.show_seed = on; }
  // CheckBoxNummern, CheckBoxZufallsnummern, EditNummernformat, CheckBoxPruefziffer and
  // CheckBoxTestliste.
  void SetNumbers(bool on) { state_.blinding.numbers = on; }
  void SetRandomNumbers(bool on) { state_.blinding.random_numbers = on; }
  void SetNumberFormat(std::string text) { state_.blinding.number_format = std::move(text); }
  void SetCheckDigit(bool on) { state_.blinding.check_digit = on; }
  void SetTestListChoice(bool on) { state_.blinding.test_list = on; }
  // Marks the lists drawn from now on as a test list (kTestListMark); the seed field holds
  // the test list's seed (TestListSeed), which the caller puts there.
  void SetTestList(bool on) { state_.test_list = on; }

  // Sets CheckBoxZentren; a change of state runs the per-centre switch.
  void SetPerCentreLists(bool on);
  // A key pressed while CheckBoxZentren has the focus (before the key changes its
  // state): enables the centre page and EditZentren for the state it has.
  void PerCentreSwitchKeyDown();
  // Sets CheckBoxStrata: the strata page is shown exactly while it is on.
  void SetStratified(bool on);
  // Selects "fest" or "variabel" (RadioButton1, RadioButton2) by mouse or key: the mode
  // changes, then the block size fields are enabled for it.
  void SelectBlockSizeMode(BlockSizeMode mode);

  // Typing into a field under a table: the field's text, which is written into that
  // column of the table's selected row when that row is a data row. Arm columns are
  // kArmDescriptionColumn (EditCBeschr) and kArmRatioColumn (EditCRatio); centre columns
  // kCentreNumberColumn (EditANummer), kCentreDescriptionColumn (EditABeschr) and
  // kCentreSampleSizeColumn (EditAFallzahl). The label columns are never typed.
  void TypeArmField(int column, std::string text);
  void TypeCentreField(int column, std::string text);

  // Clicking a row of a table: selects it, fills the fields under the table from it and
  // gives the focus to EditCBeschr or EditABeschr. False, and nothing happens, for a
  // row that the table does not show or that is fixed.
  bool ClickArmRow(std::int32_t row);
  bool ClickCentreRow(std::int32_t row);

  // The strata page (StrataEditor): clicking a row of StringGridFaktoren or
  // StringGridStufen selects it and gives the focus to EditFaktorName or EditStufeCode;
  // typing into the fields under the tables (kFactorNameColumn, kFactorFieldColumn;
  // kLevelCodeColumn, kLevelTextColumn) changes the selected factor or level; the
  // buttons under them add, remove and move rows. Adding beyond kMaxFactors factors or
  // kMaxLevels levels is refused with MessageFactorCount or MessageLevelCount.
  bool ClickFactorRow(std::int32_t row);
  bool ClickLevelRow(std::int32_t row);
  void TypeFactorField(int column, std::string text);
  void TypeLevelField(int column, std::string text);
  void EditFactors(RowEdit edit);
  void EditLevels(RowEdit edit);

  // ---- Focus and page moves ------------------------------------------------------

  // The input focus has gone to `control`. Leaving StringGridArme or StringGridZentren
  // refills the fields under it; leaving a page for a control elsewhere (another page,
  // the tabs, a button below the pages) runs its exit handler: the design page check
  // or the centre sum check. Entering the centre page fills its fields. Nothing happens
  // when `control` already has the focus.
  void FocusControl(Control control);

  // The user moves to `target` by its tab (click, keys or wheel on the tabs): the focus
  // goes to the tabs (so the exit handler of the page left runs if the focus was in it),
  // then the enter handler of the page entered, then the page change handler. When a
  // check brings TabSheetDesign (or TabSheetStrata, whose check refuses factors that
  // cannot be drawn, see FindFactorProblem) to the front, the move is given up and
  // false returned;
  // the focus stays on the tabs, so a second move runs no check. Nothing happens when
  // `target` is the active page. (The window offers only visible tabs; the model takes
  // any page, so that the change handler's refusal can be reached.)
  bool MovePage(Page target);
  // The previous or next page with a visible tab, wrapping around; the move runs as
  // MovePage does, with the focus going to the button, and the page found is reported
  // to the sink. Nothing happens when the search comes back to the active page.
  void GoBack();
  void GoNext();

  // ---- Buttons -------------------------------------------------------------------

  // "erzeugen" on the seed page: a new seed proposal into EditZZ.
  void ProposeSeed();
  // "Generieren": draws the lists from the design as the pages hold it and puts their
  // text into the list field; the generation's checked numbers become the pages' and
  // the pages its checks bring to the front are made active. Returns
  // State().generation_completed.
  bool Generate();
  // The same generation, but each list goes to `consumer` while it is drawn instead of
  // into the list field, which stays empty: for a caller that writes the text out as it
  // comes (ListTextWriter with ListOptions()). Returns the same as Generate.
  bool GenerateInto(ListConsumer& consumer);
  // The lists of the last Generate that drew every list in full, with the design as it
  // was then: what the code-break envelopes are printed from, whatever the pages and the
  // list field hold since. None before such a generation and after one that was not
  // complete (or went to a consumer).
  const GeneratedLists* LastGeneration() const { return last_generation_.get(); }
  // The numbering the list page's choices ask for: none without CheckBoxNummern. When
  // EditNummernformat holds no format, or one too short for `allocation_count` numbers,
  // MessageNumberFormat is shown and false returned.
  bool NumberingChoice(std::int64_t allocation_count,
                       std::optional<NumberingOptions>& numbering) const;
  // The name a save dialog proposes for an output of the last generation: none for a
  // production list, and one that says TEST for a test list ("Studie TEST.txt" for
  // ".txt"), so that a test output is not saved under a production name by habit.
  std::string ProposedFileName(std::string_view extension) const;
  // What shapes the list text now: the two check boxes, BlockSeparator, CenterCaption.
  ListTextOptions ListOptions() const;

  // The window reports the focus going to a pressed button (FocusControl with
  // Control::OpenButton, BitBtnSave, ...) before it runs the button's operation, so the
  // check of the page that held the focus runs first, as it does when the button is
  // pressed with the mouse.
  //
  // "Studiendesign öffnen" with the open dialog's outcome (nothing for a cancel). Reads
  // the file into the pages without any check; a refused file (a count beyond the
  // limits) shows its message, an unreadable one MessageErrorFileOpen with the file
  // name, a missing one MessageDesignFileMissing naming it, and all three leave the
  // pages unchanged. The closing steps (per-centre state as
  // its click sets it, design page to the front, focus to EditAnz) run in every case.
  LoadOutcome OpenDesign(const std::optional<std::string>& file_name);
  // "Studiendesign speichern" with the save dialog's outcome; false for a cancel. Writes
  // the design as the pages hold it, keeping the file's other sections and keys, and
  // changes nothing on the pages. Texts longer than a design file gives back are saved
  // whole, and a notice names their fields (LongTextNotice). A file that cannot be
  // written is a platform failure:
  // the exception of DesignFiles::Save leaves this operation for the general error box,
  // and an existing file stays exactly as it was.
  bool SaveDesign(const std::optional<std::string>& file_name);

 private:
  const std::string& Caption(std::string_view component_name) const;
  const std::string& Text(Message message) const;
  // A switch of the active page made by code (a check, Back/Next, loading): the model's
  // state, the sink, and the design page's show handler.
  void SwitchPage(Page page);
  bool MoveTo(Page target, Control via, bool report);
  // With the test list chosen on the list page, the seed field's seed (proposed first
  // when the field is empty) gives way to its test list's seed while the lists are drawn:
  // the production seed to put back, or none.
  std::optional<std::string> UseTestSeed();
  void RestoreProductionSeed(std::optional<std::string> production);
  bool GenerateText();
  // The checked numbers of a generation kept, its page switches made.
  void KeepGeneration(const GenerationOutcome& outcome);
  void LeavePage(Page page);
  void EnterPage(Page page);
  Page NeighbourPage(int step) const;
  bool TabVisible(Page page) const;
  void ShowAndReturnToDesign(Message message);

  // The window's handlers, run by the operations above.
  void ShowFirstPage();
  void ShowDesignPage();
  void CheckDesignPage();  // the design page check
  void ApplyPerCentreSwitch();
  void EnterCentrePage();
  void RecomputeCentreSum();  // the centre sum into EditSumme
  void CheckCentreSum();      // the centre sum check
  void ApplyStrataSwitch();
  void CheckStrataPage();  // the strata page check
  void ShowStrata();
  StrataCaptions StrataTableCaptions() const;
  void ApplyBlockSizeEnabling();
  void AfterPageChange();
  void SetCentreSwitchEnabling(bool on);

  const ProgramTexts& texts_;
  MessageSink& sink_;
  ParkMillerShuffleGenerator& generator_;
  const CalendarClock& clock_;
  DesignFiles& files_;

  StudyDesign design_;
  PagesState state_;
  std::string list_text_;
  std::unique_ptr<const GeneratedLists> last_generation_;
  // Set whenever code brings TabSheetDesign or TabSheetStrata to the front, as their
  // checks do; a page move watches it.
  bool checked_page_brought_to_front_ = false;
};

}  // namespace zufora
