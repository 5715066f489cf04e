#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "design/GridSelection.h"
#include "design/MessageSink.h"
#include "design/Page.h"
#include "design/PageTrackingSink.h"
#include "design/StudyDesign.h"
#include "lang/ProgramTexts.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora {

// The main window's pages without widgets: the study design as the pages hold it, the
// state of the pages (active page, centre page, enabled fields, table selections, the
// row-edit fields, the centre sum, the list field), and one operation per handler of
// the window, named after it. The window is a view: it forwards each event to the
// operation of the same name and then shows the model's state. Messages, questions and
// every page switch that an operation makes go to the MessageSink; a page move that the
// user makes with a tab is not reported back, the view already shows it.
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
    MissingFile,  // no file of that name: it loaded as an empty file, every key's default
    Refused,      // the file asks for more than the program can hold; pages unchanged
    Unreadable,   // the file exists but could not be read; pages unchanged
  };

  // All four are owned by the program and must outlive the model; `clock` is read by
  // every seed proposal. The texts are read when an operation needs them: captions of
  // the main window, catalogue messages, and the block separator and centre word that
  // the first show derived.
  DesignPages(const ProgramTexts& texts, MessageSink& sink, ParkMillerShuffleGenerator& generator,
              const CalendarClock& clock);
  // The clock is kept by reference: a temporary would not outlive the model.
  DesignPages(const ProgramTexts&, MessageSink&, ParkMillerShuffleGenerator&,
              CalendarClock&&) = delete;
  DesignPages(const DesignPages&) = delete;
  DesignPages& operator=(const DesignPages&) = delete;

  // ---- State --------------------------------------------------------------------

  const StudyDesign& Design() const { return design_; }
  const CheckedNumbers& Checked() const { return design_.checked; }

  Page ActivePage() const { return active_page_; }
  bool CentreTabVisible() const { return centre_tab_visible_; }
  bool CentrePageEnabled() const { return centre_page_enabled_; }
  bool EditZentrenEnabled() const { return edit_zentren_enabled_; }
  bool EditFixEnabled() const { return edit_fix_enabled_; }
  bool EditVonEnabled() const { return edit_von_enabled_; }
  bool EditBisEnabled() const { return edit_bis_enabled_; }

  // The control that has the input focus, by component name, as far as the handlers set
  // it ("EditAnz", "EditCBeschr", "EditABeschr"); empty until a handler sets it.
  const std::string& FocusedControl() const { return focused_control_; }

  const GridSelection& ArmSelection() const { return arm_selection_; }
  const GridSelection& CentreSelection() const { return centre_selection_; }

  const std::string& EditCArm() const { return edit_c_arm_; }
  const std::string& EditCBeschr() const { return edit_c_beschr_; }
  const std::string& EditCRatio() const { return edit_c_ratio_; }
  const std::string& EditAZentrum() const { return edit_a_zentrum_; }
  const std::string& EditANummer() const { return edit_a_nummer_; }
  const std::string& EditABeschr() const { return edit_a_beschr_; }
  const std::string& EditAFallzahl() const { return edit_a_fallzahl_; }
  const std::string& EditSumme() const { return edit_summe_; }

  // The list page: the list field RichEditList (cp1252 lines, each ended by LF, as the
  // last generation rendered them or as the user edited them) and its two options.
  const std::string& RichEditList() const { return list_text_; }
  bool CheckBoxBlocks() const { return mark_blocks_; }
  bool CheckBoxSeed() const { return show_seed_; }
  // Whether the last "Generieren" ran to its end with every list drawn in full.
  bool GenerationCompleted() const { return generation_completed_; }

  // BlockSeparator and CenterCaption, as the list text and the print run use them.
  const std::string& BlockSeparator() const { return texts_.derived.block_separator; }
  const std::string& CenterCaption() const { return texts_.derived.center_caption; }

  // ---- What the user types and clicks -----------------------------------------
  // Each setter does what the user's input does in the window, change handlers
  // included; none runs a check (checks run when a page is left).

  void SetEditStudName(std::string text) { design_.study_name = std::move(text); }
  void SetEditAnz(std::string text) { design_.sample_size = std::move(text); }
  void SetEditArme(std::string text) { design_.arm_count = std::move(text); }
  void SetEditZentren(std::string text) { design_.centre_count = std::move(text); }
  void SetEditFix(std::string text) { design_.fixed_block_size = std::move(text); }
  void SetEditVon(std::string text) { design_.min_block_size = std::move(text); }
  void SetEditBis(std::string text) { design_.max_block_size = std::move(text); }
  void SetEditZZ(std::string text) { design_.seed = std::move(text); }
  void SetEditSumme(std::string text) { edit_summe_ = std::move(text); }
  void SetRichEditList(std::string text) { list_text_ = std::move(text); }

  // Sets CheckBoxZentren; a change of state runs CheckBoxZentrenClick.
  void SetCheckBoxZentren(bool on);
  // Selects "fest" or "variabel" with the mouse: the mode changes, then the button's
  // release runs RadioButton1MouseUp.
  void SelectBlockSizeMode(BlockSizeMode mode);
  void SetCheckBoxBlocks(bool on) { mark_blocks_ = on; }
  void SetCheckBoxSeed(bool on) { show_seed_ = on; }

  // Typing into a row-edit field: the field's text, then its change handler.
  void SetEditCBeschr(std::string text);
  void SetEditCRatio(std::string text);
  void SetEditANummer(std::string text);
  void SetEditABeschr(std::string text);
  void SetEditAFallzahl(std::string text);

  // Clicking a row of a table: selects it and runs the table's click handler. False,
  // and nothing happens, for a row that the table does not show or that is fixed.
  bool ClickArmRow(std::int32_t row);
  bool ClickCentreRow(std::int32_t row);

  // ---- Page moves ---------------------------------------------------------------

  // The user moves to `target` by its tab: the exit handler of the page left, the
  // enter handler of the page entered, then PageControl1Change. When a check of the
  // page left brings TabSheetDesign to the front, the move is given up. Nothing happens
  // when `target` is the active page. (The window offers only visible tabs; the model
  // takes any page, so that the change handler's refusal can be reached.)
  void MovePage(Page target);
  // The previous or next page with a visible tab, wrapping around; the move runs as
  // MovePage does, and the page found is reported to the sink. Nothing happens when
  // the search comes back to the active page.
  void BitBtnBackClick();
  void BitBtnNextClick();
  // The focus leaves the page control for a button outside it (Load, Save, Close): the
  // exit handler of the active page runs.
  void FocusLeavesPageControl();

  // ---- Handlers of the main window ----------------------------------------------

  void FormShow();  // the start page, with the centre page hidden

  void TabSheetDesignShow();
  void TabSheetDesignExit();  // the design page check
  void CheckBoxZentrenClick();
  void CheckBoxZentrenKeyDown();
  void StringGridArmeClick();
  void StringGridArmeExit();
  void EditCBeschrChange();
  void EditCRatioChange();
  void TabSheetZentrenEnter();
  void StringGridZentrenClick();
  void StringGridZentrenExit();
  void EditANummerChange();
  void EditABeschrChange();
  void EditAFallzahlChange();
  void StringGridZentrenDrawCell();  // the centre sum into EditSumme
  void StringGridZentrenSetEditText();
  void TabSheetZentrenExit();  // the centre sum check
  void RadioButton1MouseUp();  // shared by both radio buttons
  void RadioButton1KeyUp();
  void PageControl1Change();

  // "erzeugen" on the seed page: a new seed proposal into EditZZ.
  void ButtonZZClick();
  // "Generieren": draws the lists from the design as the pages hold it and puts their
  // text into the list field. Returns GenerationCompleted().
  bool BitBtnStartClick();

  // "Studiendesign öffnen" with the open dialog's outcome (nothing for a cancel). Reads
  // the file into the pages without any check; a refused file (a count beyond the
  // limits) shows its message, an unreadable one MessageErrorFileOpen with the file
  // name, and both leave the pages unchanged. The closing steps (per-centre state as
  // its click sets it, design page to the front, focus to EditAnz) run in every case.
  LoadOutcome BitBtnLoadClick(const std::optional<std::string>& file_name);
  // "Studiendesign speichern" with the save dialog's outcome; false for a cancel. Writes
  // the design as the pages hold it, keeping the file's other sections and keys, and
  // changes nothing on the pages. A file that cannot be written is a platform failure:
  // FileWriteError (what(): "Unable to write to " + the file name + ".") leaves this
  // operation for the general error box, and an existing file stays exactly as it was.
  bool BitBtnSaveClick(const std::optional<std::string>& file_name);

 private:
  const std::string& Caption(std::string_view component_name) const;
  const std::string& Text(Message message) const;
  // A switch of the active page made by code (a check, Back/Next, loading): the model's
  // state, the sink, and the design page's show handler.
  void SwitchPage(Page page);
  void MoveTo(Page target, bool report);
  void LeavePage(Page page);
  void EnterPage(Page page);
  Page NeighbourPage(int step) const;
  bool TabVisible(Page page) const;

  void FillArmFields();
  void FillCentreFields();
  void WriteArmCell(int column, const std::string& text);
  void WriteCentreCell(int column, const std::string& text);
  void ApplyBlockSizeEnabling();
  void SetCentreSwitchEnabling(bool on);

  const ProgramTexts& texts_;
  MessageSink& sink_;
  PageTrackingSink generator_sink_;  // the list generator's page switches become ours
  ParkMillerShuffleGenerator& generator_;
  const CalendarClock& clock_;

  StudyDesign design_;

  Page active_page_ = Page::TabSheetDesign;
  bool centre_tab_visible_ = false;
  bool centre_page_enabled_ = false;
  bool edit_zentren_enabled_ = false;
  bool edit_fix_enabled_ = true;
  bool edit_von_enabled_ = false;
  bool edit_bis_enabled_ = false;
  std::string focused_control_;
  // Set whenever code brings TabSheetDesign to the front; a page move watches it.
  bool design_brought_to_front_ = false;

  GridSelection arm_selection_;
  GridSelection centre_selection_;
  std::string edit_c_arm_;
  std::string edit_c_beschr_;
  std::string edit_c_ratio_;
  std::string edit_a_zentrum_;
  std::string edit_a_nummer_;
  std::string edit_a_beschr_;
  std::string edit_a_fallzahl_;
  std::string edit_summe_ = "0";

  std::string list_text_;
  bool mark_blocks_ = true;
  bool show_seed_ = true;
  bool generation_completed_ = false;
};

}  // namespace zufora
