#include "lang/FixedMessages.h"

#include "text/Cp1252.h"

namespace zufora {

const std::string& FixedMessages::ArmsDoNotFitSampleSize() {
  static const std::string text = Cp1252Literal(
      "Die verwendete Anzahl der Studienarme paßt nicht zur angegebenen Fallzahl. Abbrechen?");
  return text;
}

const std::string& FixedMessages::ArmsDoNotFitBlockSize() {
  static const std::string text = Cp1252Literal(
      "Die verwendete Anzahl der Studienarme paßt nicht zur angegebenen Blockgröße. Abbrechen?");
  return text;
}

const std::string& FixedMessages::BlockSizeDoesNotFitPatients() {
  static const std::string text =
      Cp1252Literal("Die verwendete Blockgröße paßt nicht zur angegebenen Patientenzahl. ");
  return text;
}

const std::string& FixedMessages::MinimumNotBelowMaximum() {
  static const std::string text =
      Cp1252Literal("Die minimale Blockgröße muß kleiner als die maximale Blockgröße sein.");
  return text;
}

const std::string& FixedMessages::MinimumDoesNotFitArms() {
  static const std::string text =
      Cp1252Literal("Die minimale Blockgröße paßt nicht zur Anzahl der Studienarme. Abbrechen?");
  return text;
}

const std::string& FixedMessages::InternalError61() {
  static const std::string text = "Internal Error #61";
  return text;
}

const std::string& FixedMessages::MissingLanguageFile() {
  static const std::string text = "Missing language file. Please reinstall the software.";
  return text;
}

std::string FixedMessages::ErrorCreatingFile(const std::string& file_name) {
  return "Fehler beim Erstellen der Datei " + file_name;
}

}  // namespace zufora
