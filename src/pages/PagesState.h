#pragma once

#include <string>

#include "design/Page.h"
#include "design/StudyDesign.h"
#include "pages/BlindingChoices.h"
#include "pages/Control.h"
#include "pages/RowEditor.h"
#include "pages/StrataEditor.h"

namespace zufora {

// How the last design page check ended (the check that runs when the focus leaves the
// design page).
enum class DesignCheck {
  NotRun,
  Passed,
  Warned,   // MessageArmPatientCount: the tables were sized all the same
  Stopped,  // MessageArmCount, MessagePatientCount or MessageCenterCount
};

// Everything a view shows of the pages besides the design's own fields and tables
// (DesignPages::Design()) and the list field (DesignPages::ListText()). A view's
// refresh maps this struct and the design onto its widgets.
struct PagesState {
  Page active_page = Page::Design;
  // The tab of TabSheetZentren is shown / the page is enabled.
  bool centre_tab_visible = false;
  bool centre_page_enabled = false;
  // The tab of TabSheetStrata is shown / the page is enabled: with CheckBoxStrata.
  bool strata_tab_visible = false;
  bool strata_page_enabled = false;
  // Enabled edit fields (the others are always enabled, EditCArm and EditAZentrum never).
  bool centre_count_enabled = false;
  bool fixed_block_size_enabled = true;
  bool min_block_size_enabled = false;
  bool max_block_size_enabled = false;
  // The control that has the input focus, as the window last told it or a handler set it
  // (ShowDesignPage: EditAnz; a table click: EditCBeschr or EditABeschr).
  Control focus = Control::SampleSizeField;
  // The arm page's fields under StringGridArme with its selected row (fields by arm
  // column: EditCArm, EditCBeschr, EditCRatio), and the centre page's likewise
  // (EditAZentrum, EditANummer, EditABeschr, EditAFallzahl).
  RowEditor arm_rows{kArmColumns};
  RowEditor centre_rows{kCentreColumns};
  // The strata page's tables and the fields under them.
  StrataEditor strata;
  // EditSumme: the centre sum as last computed, or as the user typed it.
  std::string centre_sum_text = "0";
  // The list page's options CheckBoxBlocks and CheckBoxSeed.
  bool mark_blocks = true;
  bool show_seed = true;
  // The seed field holds a test list's seed, which the command line's --test put there:
  // the lists' title says so.
  bool test_list = false;
  // The list page's numbers and test list.
  BlindingChoices blinding;
  // Whether the last "Generieren" drew a test list, whose outputs say so.
  bool test_list_drawn = false;
  // Whether the last "Generieren" ran to its end with every list drawn in full.
  bool generation_completed = false;
  DesignCheck last_design_check = DesignCheck::NotRun;
};

}  // namespace zufora
