#pragma once

#include <string>

namespace zufora {

// Messages that are fixed German texts of the operations raising them; no language
// file translates them. Each returns cp1252.
struct FixedMessages {
  static const std::string& ArmsDoNotFitSampleSize();       // question, "... Abbrechen?"
  static const std::string& ArmsDoNotFitBlockSize();        // question, "... Abbrechen?"
  static const std::string& BlockSizeDoesNotFitPatients();  // notice, ends with a blank
  static const std::string& MinimumNotBelowMaximum();       // notice
  static const std::string& MinimumDoesNotFitArms();        // question, "... Abbrechen?"
  static const std::string& InternalError61();              // plain
  static const std::string& MissingLanguageFile();          // plain
  // "Fehler beim Erstellen der Datei " followed by the file name.
  static std::string ErrorCreatingFile(const std::string& file_name);
};

}  // namespace zufora
