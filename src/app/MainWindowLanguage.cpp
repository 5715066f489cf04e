// The main window's language: the language file applied at the first show, Qt's own
// texts in its language, and the Info page's choice among the installed language files,
// remembered for the user's next start.
#include <QComboBox>
#include <QFile>
#include <exception>
#include <stdexcept>

#include "ErrorBox.h"
#include "MainWindow.h"
#include "files/FirstShow.h"
#include "files/LanguageChoice.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {
namespace {

QString FileNameOf(const std::filesystem::path& file) {
  return QFile::decodeName(file.filename().string().c_str());
}

}  // namespace

void MainWindow::OnFirstShow() {
  RunOperation([this] {
    if (language_.command_line_file) {
      language_file_ =
          FoundLanguageFile{*language_.command_line_file, LanguageFileSource::CommandLine};
    } else {
      language_file_ = FindProgramLanguageFile(
          {.executable_folder = language_.executable_folder, .environment = language_.environment});
    }
    const FirstShowResult first_show =
        RunFirstShow(texts_, language_file_ ? std::optional(language_file_->file) : std::nullopt);
    ApplyTexts();
    toolkit_translation_.Load(texts_.language.code);
    ShowLanguageChoice();
    if (first_show.message) {
      sink_.ShowPlain(*first_show.message);
    }
    if (first_show.error) {
      throw std::runtime_error(*first_show.error);  // a file there but unreadable
    }
  });
}

void MainWindow::ShowLanguageChoice() {
  QComboBox* choice = widgets_.language_choice;
  choice->clear();
  const bool file_of_its_own =
      language_file_ && (language_file_->source == LanguageFileSource::CommandLine ||
                         language_file_->source == LanguageFileSource::UserFile);
  if (file_of_its_own || !UserConfigFolder(language_.environment)) {
    // The file in use goes before any choice (or there is nowhere to remember one).
    if (language_file_) {
      choice->addItem(FromCp1252(texts_.language.name) + QStringLiteral(" (") +
                      QFile::decodeName(language_file_->file.string().c_str()) +
                      QStringLiteral(")"));
    }
    choice->setEnabled(false);
    return;
  }
  const std::vector<LanguageOffer> offers = InstalledLanguageOffers(language_.executable_folder);
  for (const LanguageOffer& offer : offers) {
    choice->addItem(FromCp1252(offer.language.name), FileNameOf(offer.file));
    choice->setItemData(choice->count() - 1, QFile::decodeName(offer.file.string().c_str()),
                        Qt::ToolTipRole);
  }
  choice->setCurrentIndex(language_file_ ? choice->findData(FileNameOf(language_file_->file)) : -1);
  choice->setEnabled(!offers.empty());
}

void MainWindow::OnLanguageChosen(int index) {
  const QString file_name = widgets_.language_choice->itemData(index).toString();
  if (file_name.isEmpty()) {
    return;
  }
  try {
    SaveLanguageChoice(language_.environment, QFile::encodeName(file_name).toStdString());
  } catch (const std::exception& error) {
    ShowErrorBox(services_.boxes, this, FromMessageBytes(error.what()));
  }
}

}  // namespace zufora::app
