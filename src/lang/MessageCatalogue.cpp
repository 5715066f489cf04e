#include "lang/MessageCatalogue.h"

#include <array>
#include <string_view>

#include "text/Cp1252.h"

namespace zufora {
namespace {

struct Entry {
  std::string_view name;
  std::string_view default_text;  // UTF-8 in the source, cp1252 in the catalogue
};

// clang-format off
constexpr std::array<Entry, kMessageCount> kEntries = {{
    {"MessageArmCount", "Gültige Anzahl für Studienarme eingeben!"},
    {"MessagePatientCount", "Gültige Patientenzahl eingeben!"},
    {"MessageCenterCount", "Gültige Anzahl für Zentren eingeben!"},
    {"MessageCheckListEachCenter",
     "Studienzentren kann nur ausgewählt werden, wenn im Studiendesign "
     "'Randomisierungsliste für jedes Zentrum' markiert ist!"},
    {"MessageCenterPatientCount", "Ungültige Patientenzahl für die einzelnen Zentren!"},
    {"MessageInvalidParameter", "Ungültige Paramter - Liste nicht korrekt abgeschlossen!"},
    {"MessageBlockRestictions",
     "Blöcke konnten nicht generiert werden, Blockgröße zu stark eingeschränkt?"},
    {"MessageValidNumber", "Eingabewert: gültige Zahl im Bereich von 1 bis"},
    {"MessageValidRatio", "Gültige Ratios für Studienarme eingeben!"},
    {"MessageArmPatientCount",
     "Die Anzahl der Studienarme darf nicht größer als die Patientenzahl sein!"},
    {"MessageValidBlockSize", "Gültige Blockgröße eingeben!"},
    {"MessageExpectedSampleSize", "Bitte erwartete Fallzahl für jedes Zentrum angeben!"},
    {"MessageRatioSampleSize",
     "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl. Abbrechen?"},
    {"MessageRatioSampleSize2",
     "Die verwendeten Ratios der Studienarme passen nicht zur angegebenen Fallzahl."},
    {"MessageBlockSize", "Die minimale Blockgröße muß kleiner als die maximale Blockgröße sein."},
    {"MessageBlockSizeRatio",
     "Die minimale Blockgröße paßt nicht zur Ratio bzw. Anzahl der Studienarme. Abbrechen?"},
    {"MessageSampleSizeError",
     "Die Summe der Fallzahlen für die Zentren übersteigt die Studiefallzahl. "
     "Soll die Studienfallzahl angepaßt werden?"},
    {"MessageSampleSizeError2",
     "Die Summe der Fallzahlen für die Zentren ist kleiner als die Studienfallzahl."},
    {"MessageErrorFileOpen", "Fehler beim Öffnen der Datei"},
    {"LabelBlock", "Block"},
    {"MessageListNotCp1252", "Die Liste enthält Zeichen, die Zufora nicht speichern kann"},
    {"MessageCharacterRefused",
     "Das Zeichen „%1“ wurde nicht übernommen: Zufora speichert Texte im Zeichensatz "
     "Windows-1252, der es nicht enthält."},
    {"MessageDesignFileTooManyArms",
     "Die Designdatei kann nicht geladen werden: Im Abschnitt [%1] steht Anzahl=%2, "
     "das Programm verarbeitet aber höchstens %3 Studienarme."},
    {"MessageDesignFileTooManyCenters",
     "Die Designdatei kann nicht geladen werden: Im Abschnitt [%1] steht Anzahl=%2, "
     "das Programm verarbeitet aber höchstens %3 Zentren."},
    {"MessageDesignFileTooLarge",
     "Die Designdatei %1 kann nicht geladen werden: Sie ist größer als %2 MB, "
     "das Programm liest höchstens %2 MB."},
    {"MessageDesignFileNotCp1252",
     "Die Designdatei %1 kann nicht geladen werden: Sie ist als UTF-8 gespeichert und "
     "enthält Zeichen, die das Programm nicht darstellen kann."},
    {"LabelStratum", "Stratum"},
    {"MessageCheckStrata",
     "Strata kann nur ausgewählt werden, wenn im Studiendesign "
     "'Stratifizierte Randomisierung' markiert ist!"},
    {"MessageFactorCount", "Eine Studie kann höchstens %1 Faktoren haben."},
    {"MessageLevelCount", "Ein Faktor kann höchstens %1 Stufen haben."},
    {"MessageFactorName", "Bitte einen Namen für Faktor %1 angeben!"},
    {"MessageFactorField",
     "Der Feldname „%1“ von Faktor „%2“ ist ungültig: Er beginnt mit einem Buchstaben "
     "und enthält nur Buchstaben (A-Z, a-z), Ziffern und den Unterstrich."},
    {"MessageFactorFieldTwice",
     "Der Feldname „%1“ steht bei mehreren Faktoren; jeder Faktor braucht einen eigenen."},
    {"MessageFactorLevels", "Faktor „%1“ braucht mindestens eine Stufe."},
    {"MessageLevelText", "Stufe %1 von Faktor „%2“ braucht einen Code und eine Bezeichnung."},
    {"MessageLevelCodeTwice", "Der Code „%1“ steht in Faktor „%2“ bei mehreren Stufen."},
    {"MessageStrataCount",
     "Die Zentren und die Stufen der Faktoren ergeben mehr als %1 Strata "
     "(Zentren × Stufenkombinationen); so viele verarbeitet das Programm nicht."},
    {"MessageStratumLength",
     "Gültige Länge je Stratum eingeben: höchstens die geplante Fallzahl jedes Zentrums "
     "(ohne Zentren: der Studie), oder leer für diese Fallzahl!"},
    {"MessageDesignFileTooManyFactors",
     "Die Designdatei kann nicht geladen werden: Im Abschnitt [%1] steht Anzahl=%2, "
     "das Programm verarbeitet aber höchstens %3 Faktoren."},
    {"MessageDesignFileTooManyLevels",
     "Die Designdatei kann nicht geladen werden: Im Abschnitt [%1] steht %2=%3, "
     "das Programm verarbeitet aber höchstens %4 Stufen je Faktor."},
    {"LabelPreviewPageOf", "Seite %1 von %2"},
    {"LabelPreviewFirstPage", "Erste Seite"},
    {"LabelPreviewPreviousPage", "Vorige Seite"},
    {"LabelPreviewNextPage", "Nächste Seite"},
    {"LabelPreviewLastPage", "Letzte Seite"},
    {"LabelPreviewZoomIn", "Vergrößern"},
    {"LabelPreviewZoomOut", "Verkleinern"},
    {"LabelPreviewPageWidth", "Seitenbreite"},
    {"LabelPreviewWholePage", "Ganze Seite"},
    {"LabelPreviewClose", "Schließen"},
    {"MessagePreviewPreparing", "Die Seiten der Vorschau werden vorbereitet …"},
    {"MessageDesignFileMissing",
     "Die Datei %1 gibt es nicht. Das Studiendesign bleibt, wie es ist."},
    {"MessageCharactersRefused",
     "%1 Zeichen wurden nicht übernommen, als erstes „%2“: Zufora speichert Texte im "
     "Zeichensatz Windows-1252, der sie nicht enthält."},
    {"MessageDesignTextTooLong",
     "Das Studiendesign ist gespeichert. Beim Öffnen gibt eine Designdatei aber von jedem "
     "Text nur die ersten %2 Zeichen zurück, und diese Texte sind länger: %1"},
    {"LabelEnvelopesButton", "Umschläge drucken"},
    {"MessageNumberFormat",
     "Das Nummernformat „%1“ ist ungültig: ein Präfix, Nullen in geschweiften Klammern für "
     "die Stellen und ein Suffix, z. B. R-{0000}, deren Stellen die größte Nummer fassen."},
}};
// clang-format on

// Component 0 of FormLang is the group box; the entries follow in catalogue order.
constexpr std::size_t kFirstEntryComponent = 1;

}  // namespace

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& values) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto number = static_cast<std::size_t>(text[i + 1] - '0');
      if (number <= values.size()) {
        filled += values[number - 1];
        ++i;
        continue;
      }
    }
    filled += text[i];
  }
  return filled;
}

std::string_view MessageName(Message message) {
  return kEntries[static_cast<std::size_t>(message)].name;
}

MessageCatalogue::MessageCatalogue() : window_("FormLang", "Language") {
  window_.Add(
      {.name = "GroupBoxMessages", .class_name = "TGroupBox", .caption = "Messages", .hint = ""});
  for (const Entry& entry : kEntries) {
    window_.Add({.name = std::string(entry.name),
                 .class_name = "TLabel",
                 .caption = Cp1252Literal(entry.default_text),
                 .hint = ""});
  }
}

const std::string& MessageCatalogue::Text(Message message) const {
  return *window_.Components()[kFirstEntryComponent + static_cast<std::size_t>(message)].caption;
}

std::string MessageCatalogue::Compose(Message message,
                                      const std::vector<std::string>& values) const {
  return FillPlaceholders(Text(message), values);
}

std::string MessageCatalogue::ValidNumberMessage() const {
  return Text(Message::MessageValidNumber) + " 2147483647";
}

std::string MessageCatalogue::ErrorFileOpenMessage(std::string_view file_name) const {
  return Text(Message::MessageErrorFileOpen) + " " + std::string(file_name);
}

}  // namespace zufora
