#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "EnvelopeCommand.h"
#include "MainWindowWidgets.h"
#include "PrintCommand.h"
#include "RefusedCharacters.h"
#include "TextGridModel.h"
#include "ToolkitTranslation.h"
#include "WindowLanguage.h"
#include "WindowMessageSink.h"
#include "WindowServices.h"
#include "design/DesignFiles.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora::app {

struct FileDialogRequest;

// The main window FormZufora: a view of the design pages model. Every event is forwarded
// to the model's operation for it, then the window shows the model's state. Page moves
// of every kind (tab click, Ctrl+Tab, keys and wheel on the tabs, Back, Next) go through
// the model, and the window tells the model where the input focus is, so that the checks
// run when the focus leaves a page and may give a move up.
//
// The window starts with the built-in German texts; its first show applies the language
// file found from `language` (FindProgramLanguageFile, or the command line's file) to
// all texts and shows them, and loads Qt's own texts in the file's language
// (ToolkitTranslation); the Info page offers the installed language files for the user's
// next start (MainWindowLanguage.cpp). The list
// field holds the generated list; once shown, the field is the list's store: Export,
// Kopieren and printing read ListText().
//
// The class is defined in four files: MainWindow.cpp (wiring, the controls' handlers and
// the refresh from the model), MainWindowFocus.cpp (focus and tabs), MainWindowStrata.cpp
// (the strata page), MainWindowLanguage.cpp (the language file and the Info page's
// choice) and, for its texts, ApplyWindowTexts.cpp.
class MainWindow : public QWidget {
 public:
  // texts, services and design_files must outlive the window. Throws when the picture
  // "logo_med.bmp" in the current folder is there but cannot be read.
  MainWindow(ProgramTexts& texts, WindowServices services, DesignFiles& design_files,
             CalendarClock clock, WindowLanguage language, QWidget* parent = nullptr);
  // The language file from the program's folder alone, without the user's.
  MainWindow(ProgramTexts& texts, WindowServices services, DesignFiles& design_files,
             CalendarClock clock, std::filesystem::path executable_folder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Reads a design file as "Studiendesign öffnen" does with a chosen file (the program's
  // command-line argument).
  void OpenDesignFile(const QString& file);

  // The list field's current text (user edits included) as cp1252, lines ended by LF.
  std::string ListText() const;

  const DesignPages& Pages() const { return *pages_; }
  const ProgramTexts& Texts() const { return texts_; }
  const MainWindowWidgets& Widgets() const { return widgets_; }
  const WindowServices& Services() const { return services_; }

  // Runs an operation of the window: focus changes that the operation causes are not
  // reported to the model, an exception goes to the general error box, and the window
  // shows the model's state afterwards. For handlers added to the window later.
  void RunOperation(const std::function<void()>& operation);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Wiring (MainWindow.cpp)
  void ConnectHandlers();
  void ConnectEdit(QLineEdit* edit, void (DesignPages::*setter)(std::string));
  void ConnectRowField(QLineEdit* edit, bool arm_table, int column);
  void ConnectTable(QTableView* table, bool arm_table);
  // The strata page (MainWindowStrata.cpp): CheckBoxStrata, the two tables, their fields
  // and buttons, EditStratumLaenge.
  void ConnectStrataHandlers();
  void RefreshStrata();
  void ConnectBlindingHandlers();
  void RefreshBlinding();

  // The controls' handlers (MainWindow.cpp)
  void OnFirstShow();  // the language file, then its texts shown (MainWindowLanguage.cpp)
  void OnTableRowChosen(bool arm_table, const QModelIndex& index);  // StringGridArme, ...Zentren
  void OnBackClicked();                                             // BitBtnBack "zurück"
  void OnNextClicked();                                             // BitBtnNext "weiter"
  void OnOpenClicked();         // BitBtnLoad "Studiendesign öffnen"
  void OnSaveClicked();         // BitBtnSave "Studiendesign speichern"
  void OnCloseClicked();        // BitBtnClose "Schließen"
  void OnProposeSeedClicked();  // ButtonZZ "erzeugen"
  void OnGenerateClicked();     // BitBtnStart "Generieren"
  void OnExportClicked();       // BitBtnExport "Export"
  void OnCopyClicked();         // BitBtnClipboard "Kopieren"
  void OnPrintClicked();        // BitBtnPrint "Drucken": the print window's print action
  void OnSiteListClicked();     // BitBtnZentrumsliste: the site list of a blinded trial
  void OnPreviewClicked();      // BitBtnPreview: the print window's "Druckvorschau"
  void OnEnvelopesClicked();    // BitBtnEnvelopes "Umschläge drucken"
  void OnWebAddressClicked();   // LabelWWW
  PrintJobTexts PrintJob() const;

  // The language (MainWindowLanguage.cpp)
  void ShowLanguageChoice();
  void OnLanguageChosen(int index);  // ComboBoxLanguage

  // Focus and tabs (MainWindowFocus.cpp)
  bool FilterFocusAndTabInput(QObject* watched, QEvent* event);
  void OnTabChanged(int index);  // PageControl1
  void OnFocusChanged(QWidget* now);
  bool IsButtonBelowPages(const QWidget* widget) const;
  void OnButtonReleased(QAbstractButton* button);
  void ShowPage(Page page);
  void ApplyFocus();
  Control ControlOf(const QWidget* widget) const;
  QWidget* WidgetOf(Control control) const;

  // The view (MainWindow.cpp)
  void ApplyTexts();
  void Refresh();
  void ShowRefusal(const RefusedCharacters& refused);
  FileDialogRequest DialogRequest(const FileDialogTexts& texts) const;

  ProgramTexts& texts_;
  WindowServices services_;
  PrintCommand print_command_;
  EnvelopeCommand envelope_command_;
  CalendarClock clock_;
  WindowLanguage language_;
  std::optional<FoundLanguageFile> language_file_;  // the one applied at the first show
  ToolkitTranslation toolkit_translation_;
  MainWindowWidgets widgets_;
  WindowMessageSink sink_;
  ParkMillerShuffleGenerator generator_;
  std::unique_ptr<DesignPages> pages_;
  TextGridModel* arm_model_ = nullptr;
  TextGridModel* centre_model_ = nullptr;
  TextGridModel* factor_model_ = nullptr;
  TextGridModel* level_model_ = nullptr;
  bool shown_ = false;
  int updating_ = 0;          // > 0 while an operation runs or the view is written
  int focus_unwatched_ = 0;   // > 0 while focus moves are not the user's (the tabs switch)
  bool mouse_focus_ = false;  // the last focus change was a mouse press's
  // A button below the pages that a mouse press gave the focus, not yet told to the model.
  QAbstractButton* pressed_button_ = nullptr;
  QMetaObject::Connection focus_connection_;
};

}  // namespace zufora::app
