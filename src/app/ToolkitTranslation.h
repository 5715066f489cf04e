#pragma once

#include <QTranslator>
#include <string_view>

namespace zufora::app {

// Qt's own texts (the buttons of message boxes, the file and print dialogs, the print
// preview, the progress box) in the program's language: Qt's translation
// qtbase_<code>.qm from Qt's translations folder (package qt6-translations-l10n),
// installed into the application while this object lives. Qt's texts stay English
// where there is no translation for the code.
class ToolkitTranslation {
 public:
  ToolkitTranslation() = default;
  ToolkitTranslation(const ToolkitTranslation&) = delete;
  ToolkitTranslation& operator=(const ToolkitTranslation&) = delete;
  ~ToolkitTranslation();

  // Replaces the translation installed before by the one for `code` (a language code,
  // "de", "en", "pt_BR"). True when one was found and installed.
  bool Load(std::string_view code);

 private:
  void Remove();

  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace zufora::app
