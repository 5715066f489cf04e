// The strata page of the design pages: the stratification switch, the factor and level
// tables with their fields and buttons, and the check when the page is left.
#include "design/Limits.h"
#include "pages/DesignPages.h"
#include "pages/StrataCheck.h"
#include "text/IntegerText.h"

namespace zufora {

StrataCaptions DesignPages::StrataTableCaptions() const {
  return {{Caption("LabelFaktor"), Caption("LabelFaktorName"), Caption("LabelFaktorFeld")},
          {Caption("LabelStufe"), Caption("LabelStufeCode"), Caption("LabelStufeBez")}};
}

void DesignPages::SetStratified(bool on) {
  if (design_.stratified == on) {
    return;
  }
  design_.stratified = on;
  ApplyStrataSwitch();
}

void DesignPages::ApplyStrataSwitch() {
  state_.strata_tab_visible = design_.stratified;
  state_.strata_page_enabled = design_.stratified;
}

void DesignPages::ShowStrata() {
  state_.strata.Show(design_.factors, StrataTableCaptions());
}

bool DesignPages::ClickFactorRow(std::int32_t row) {
  if (!state_.strata.SelectFactor(row, design_.factors, StrataTableCaptions())) {
    return false;
  }
  state_.focus = Control::FactorNameField;
  return true;
}

bool DesignPages::ClickLevelRow(std::int32_t row) {
  if (!state_.strata.SelectLevel(row, design_.factors, StrataTableCaptions())) {
    return false;
  }
  state_.focus = Control::LevelCodeField;
  return true;
}

void DesignPages::TypeFactorField(int column, std::string text) {
  state_.strata.TypeFactor(column, std::move(text), design_.factors, StrataTableCaptions());
}

void DesignPages::TypeLevelField(int column, std::string text) {
  state_.strata.TypeLevel(column, std::move(text), design_.factors, StrataTableCaptions());
}

void DesignPages::EditFactors(RowEdit edit) {
  if (state_.strata.EditFactors(edit, design_.factors, StrataTableCaptions())) {
    if (edit == RowEdit::Add) {
      state_.focus = Control::FactorNameField;  // the new factor's name is typed next
    }
  } else if (edit == RowEdit::Add) {
    sink_.ShowPlain(
        texts_.catalogue.Compose(Message::MessageFactorCount, {std::to_string(kMaxFactors)}));
  }
}

void DesignPages::EditLevels(RowEdit edit) {
  const bool had_factor = state_.strata.FactorRow() > 0;
  if (state_.strata.EditLevels(edit, design_.factors, StrataTableCaptions())) {
    if (edit == RowEdit::Add) {
      state_.focus = Control::LevelCodeField;
    }
  } else if (edit == RowEdit::Add && had_factor) {
    sink_.ShowPlain(
        texts_.catalogue.Compose(Message::MessageLevelCount, {std::to_string(kMaxLevels)}));
  }
}

void DesignPages::CheckStrataPage() {
  if (!design_.stratified) {
    return;
  }
  std::optional<std::string> problem;
  if (const std::optional<StrataProblem> found = FindFactorProblem(design_.factors)) {
    problem = found->Text(texts_.catalogue);
  } else if (!design_.stratum_length.empty()) {
    const std::optional<std::int32_t> length = ParseIntegerText(design_.stratum_length);
    if (!length || *length < 0) {
      problem = Text(Message::MessageStratumLength);
    }
  }
  if (problem) {
    sink_.ShowPlain(*problem);
    SwitchPage(Page::Strata);
  }
}

}  // namespace zufora
