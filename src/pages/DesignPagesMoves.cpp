// The focus and the page moves of the design pages: which page comes to the front when
// a tab, "zurück", "weiter" or a button below the pages is used, and the checks that run
// as a page is left.
#include "pages/DesignPages.h"

namespace zufora {

void DesignPages::FocusControl(Control control) {
  const Control from = state_.focus;
  if (control == from) {
    return;
  }
  state_.focus = control;
  if (from == Control::ArmTable) {
    state_.arm_rows.Fill(design_.arms);  // StringGridArmeExit
  } else if (from == Control::CentreTable) {
    state_.centre_rows.Fill(design_.centres);  // StringGridZentrenExit
  }
  const std::optional<Page> left = PageOf(from);
  const std::optional<Page> entered = PageOf(control);
  if (left && left != entered) {
    LeavePage(*left);
  }
  if (entered == Page::Centres && left != entered) {
    EnterCentrePage();
  }
}

void DesignPages::SwitchPage(Page page) {
  const bool shows_design = page == Page::Design && state_.active_page != Page::Design;
  state_.active_page = page;
  if (page == Page::Design || page == Page::Strata) {
    checked_page_brought_to_front_ = true;
  }
  sink_.ActivatePage(page);
  if (shows_design) {
    ShowDesignPage();
  }
}

bool DesignPages::TabVisible(Page page) const {
  return (page != Page::Centres || state_.centre_tab_visible) &&
         (page != Page::Strata || state_.strata_tab_visible);
}

Page DesignPages::NeighbourPage(int step) const {
  int index = static_cast<int>(state_.active_page);
  for (int tries = 0; tries < kPageCount; ++tries) {
    index = (index + step + kPageCount) % kPageCount;
    const auto page = static_cast<Page>(index);
    if (TabVisible(page)) {
      return page;
    }
  }
  return state_.active_page;
}

void DesignPages::LeavePage(Page page) {
  if (page == Page::Design) {
    CheckDesignPage();
  } else if (page == Page::Centres) {
    CheckCentreSum();
  } else if (page == Page::Strata) {
    CheckStrataPage();
  }
}

void DesignPages::EnterPage(Page page) {
  if (page == Page::Design) {
    ShowDesignPage();
  } else if (page == Page::Centres) {
    EnterCentrePage();
  } else if (page == Page::Strata) {
    ShowStrata();
  }
}

bool DesignPages::MoveTo(Page target, Control via, bool report) {
  if (target == state_.active_page) {
    return false;
  }
  checked_page_brought_to_front_ = false;
  FocusControl(via);
  if (checked_page_brought_to_front_) {
    return false;  // a check put the user back on its page: the move is given up
  }
  state_.active_page = target;
  if (report) {
    sink_.ActivatePage(target);
  }
  EnterPage(target);
  AfterPageChange();
  if (state_.active_page == Page::Centres) {
    RecomputeCentreSum();  // the table is painted as the page appears
  }
  return state_.active_page == target;
}

bool DesignPages::MovePage(Page target) {
  return MoveTo(target, Control::Tabs, false);
}

void DesignPages::GoBack() {
  MoveTo(NeighbourPage(-1), Control::BackButton, true);
}

void DesignPages::GoNext() {
  MoveTo(NeighbourPage(+1), Control::NextButton, true);
}

}  // namespace zufora
