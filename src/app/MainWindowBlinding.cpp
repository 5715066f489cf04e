// The list page's choices for a blinded trial: CheckBoxTestliste, CheckBoxNummern,
// CheckBoxZufallsnummern, EditNummernformat and CheckBoxPruefziffer, and the site list
// that BitBtnZentrumsliste exports. Each handler reads its widget, calls the pages model
// and leaves the refresh to RunOperation.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "MainWindow.h"
#include "ViewUpdates.h"
#include "evidence/EnvelopeCards.h"
#include "files/ExportFile.h"
#include "pages/SiteList.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {

void MainWindow::ConnectBlindingHandlers() {
  const MainWindowWidgets& w = widgets_;
  const auto on_toggle = [this](QAbstractButton* button, void (DesignPages::*setter)(bool)) {
    connect(button, &QAbstractButton::toggled, this, [this, setter](bool on) {
      if (updating_ == 0) {
        RunOperation([this, setter, on] { ((*pages_).*setter)(on); });
      }
    });
  };
  on_toggle(w.test_list_switch, &DesignPages::SetTestListChoice);
  on_toggle(w.numbers_switch, &DesignPages::SetNumbers);
  on_toggle(w.random_numbers_switch, &DesignPages::SetRandomNumbers);
  on_toggle(w.check_digit_switch, &DesignPages::SetCheckDigit);
  ConnectEdit(w.number_format_field, &DesignPages::SetNumberFormat);
}

void MainWindow::RefreshBlinding() {
  const BlindingChoices& choices = pages_->State().blinding;
  const MainWindowWidgets& w = widgets_;
  w.test_list_switch->setChecked(choices.test_list);
  w.numbers_switch->setChecked(choices.numbers);
  w.random_numbers_switch->setChecked(choices.random_numbers);
  SetText(w.number_format_field, choices.number_format);
  w.check_digit_switch->setChecked(choices.check_digit);
  // The numbers' form matters only where there are numbers.
  w.random_numbers_switch->setEnabled(choices.numbers);
  w.number_format_field->setEnabled(choices.numbers);
  w.check_digit_switch->setEnabled(choices.numbers);
  w.site_list_button->setEnabled(pages_->LastGeneration() != nullptr);
}

void MainWindow::OnSiteListClicked() {
  RunOperation([this] {
    const GeneratedLists* lists = pages_->LastGeneration();
    std::optional<NumberingOptions> numbering;
    if (lists == nullptr ||
        !pages_->NumberingChoice(EnvelopeCards::Count(lists->drawn), numbering)) {
      return;
    }
    // A site list always has numbers: without CheckBoxNummern, 1, 2, 3, ...
    const std::string bytes = SiteListBytes(*lists, numbering.value_or(NumberingOptions{}));
    FileDialogRequest request{
        .title = FromCp1252(texts_.main_window.CaptionOf("BitBtnZentrumsliste")),
        .filter = QStringLiteral("CSV (*.csv)|*.csv"),
        .default_extension = QStringLiteral("csv"),
        .proposed_name = FromCp1252(pages_->ProposedFileName(".csv"))};
    if (const std::optional<QString> file = services_.dialogs.AskSaveFileName(this, request)) {
      WriteExportFile(std::filesystem::path(QFile::encodeName(*file).toStdString()), bytes);
    }
  });
}

}  // namespace zufora::app
