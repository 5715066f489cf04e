#include "lang/MainWindowTexts.h"

#include <initializer_list>

#include "text/Cp1252.h"

namespace zufora {
namespace {

// A visible control with a Caption (labels, buttons, check boxes, pages, panels).
TextComponent Captioned(const char* class_name, const char* name, const char* caption) {
  return {.name = name,
          .class_name = class_name,
          .caption = Cp1252Literal(caption),
          .hint = std::string()};
}

TextComponent Label(const char* name, const char* caption) {
  return Captioned("TLabel", name, caption);
}

TextComponent Panel(const char* name) {
  return Captioned("TPanel", name, "");
}

// A visible control without a Caption (edit fields, grids, pictures, text fields).
TextComponent Plain(const char* class_name, const char* name) {
  return {.name = name, .class_name = class_name, .hint = std::string()};
}

TextComponent Edit(const char* name) {
  return Plain("TEdit", name);
}

TextComponent Memo(const char* name, std::initializer_list<const char*> lines) {
  TextComponent memo = Plain("TMemo", name);
  for (const char* line : lines) {
    memo.lines.push_back(Cp1252Literal(line));
  }
  return memo;
}

// A button that shows a picture for its caption, its meaning as a tooltip.
TextComponent Hinted(const char* name, const char* hint) {
  TextComponent button = Captioned("TBitBtn", name, "");
  button.hint = Cp1252Literal(hint);
  return button;
}

// Dialogs: neither Caption nor Hint.
TextComponent NonVisual(const char* class_name, const char* name) {
  return {.name = name, .class_name = class_name};
}

}  // namespace

TextWindow MakeMainWindowTexts() {
  TextWindow window(std::string(kMainWindowName), "Quandel Zufora Version 1.2");
  const auto add = [&window](TextComponent component) { window.Add(std::move(component)); };

  add(Plain("TPageControl", "PageControl1"));

  add(Captioned("TTabSheet", "TabSheetDesign", "Studiendesign"));
  add(Panel("Panel5"));
  add(Label("LabelStudName", "Bezeichnung der Studie"));
  add(Edit("EditStudName"));
  add(Label("LabelSampleSizePlanned", "Geplante Patientenzahl"));
  add(Edit("EditAnz"));
  add(Label("LabelArmCount", "Anzahl der Studienarme"));
  add(Edit("EditArme"));
  add(Captioned("TCheckBox", "CheckBoxZentren", "&Randomisierungsliste für jedes Zentrum"));
  add(Label("LabelCenterCount", "Anzahl der Zentren"));
  add(Edit("EditZentren"));
  add(Captioned("TCheckBox", "CheckBoxStrata", "&Stratifizierte Randomisierung"));
  add(Plain("TImage", "ImageLogo1"));

  add(Captioned("TTabSheet", "TabSheetArme", "Studienarme"));
  add(Plain("TStringGrid", "StringGridArme"));
  add(Panel("Panel3"));
  add(Label("LabelArm", "Arm"));
  add(Edit("EditCArm"));
  add(Label("LabelArmDescr", "Beschreibung"));
  add(Edit("EditCBeschr"));
  add(Label("LabelRatio", "Ratio"));
  add(Edit("EditCRatio"));

  add(Captioned("TTabSheet", "TabSheetZentren", "Studienzentren"));
  add(Plain("TStringGrid", "StringGridZentren"));
  add(Label("LabelCenterSum", "Summe"));
  add(Edit("EditSumme"));
  add(Panel("Panel4"));
  add(Label("LabelCenter", "Zentrum"));
  add(Edit("EditAZentrum"));
  add(Label("LabelCenterId", "Nummer"));
  add(Edit("EditANummer"));
  add(Label("LabelCenterDescr", "Beschreibung"));
  add(Edit("EditABeschr"));
  add(Label("LabelSampleSize", "Geplante Fallzahl"));
  add(Edit("EditAFallzahl"));

  add(Captioned("TTabSheet", "TabSheetStrata", "Strata"));
  add(Plain("TStringGrid", "StringGridFaktoren"));
  add(Panel("PanelFaktor"));
  add(Label("LabelFaktor", "Faktor"));
  add(Edit("EditFaktor"));
  add(Label("LabelFaktorName", "Name"));
  add(Edit("EditFaktorName"));
  add(Label("LabelFaktorFeld", "Feldname"));
  add(Edit("EditFaktorFeld"));
  add(Captioned("TBitBtn", "BitBtnFaktorNeu", "Neu"));
  add(Captioned("TBitBtn", "BitBtnFaktorLoeschen", "Löschen"));
  add(Hinted("BitBtnFaktorHoch", "Faktor nach oben"));
  add(Hinted("BitBtnFaktorRunter", "Faktor nach unten"));
  add(Plain("TStringGrid", "StringGridStufen"));
  add(Panel("PanelStufe"));
  add(Label("LabelStufe", "Stufe"));
  add(Edit("EditStufe"));
  add(Label("LabelStufeCode", "Code"));
  add(Edit("EditStufeCode"));
  add(Label("LabelStufeBez", "Bezeichnung"));
  add(Edit("EditStufeBez"));
  add(Captioned("TBitBtn", "BitBtnStufeNeu", "Neu"));
  add(Captioned("TBitBtn", "BitBtnStufeLoeschen", "Löschen"));
  add(Hinted("BitBtnStufeHoch", "Stufe nach oben"));
  add(Hinted("BitBtnStufeRunter", "Stufe nach unten"));
  add(Edit("EditStratumLaenge"));
  add(Label("LabelStratumLaenge", "Länge je Stratum (leer: geplante Fallzahl)"));

  add(Captioned("TTabSheet", "TabSheetBlock", "Blöcke"));
  add(Panel("Panel1"));
  add(Label("LabelBlockSize", "Blockgröße"));
  add(Captioned("TRadioButton", "RadioButton1", "fest"));
  add(Edit("EditFix"));
  TextComponent variable = Captioned("TRadioButton", "RadioButton2", "variabel");
  variable.hint = Cp1252Literal("Größe der Blöcke wird per Zufallsgenerator vorgegeben");
  add(std::move(variable));
  add(Edit("EditVon"));
  add(Label("LabelTo", "bis"));
  add(Edit("EditBis"));
  // clang-format off
  add(Memo("Memo2", {
      "Über die Blockgröße kann angegeben werden, nach welcher Patientenzahl das ",
      "Verhältnis der Studienarme ausgeglichen sein soll.",
      "Bedingungen:",
      "   1) die Fallzahl der Studie muß durch die Blockgröße teilbar sein",
      "   2) - die Blockgröße muß durch die Anzahl der Studienarme teilbar sein (bei Gleich-",
      "         verteilung der Studienarme - Ratio jeweils gleich 1)",
      "       bzw.  ",
      "       - die Blockgröße muß durch die Summe der Ratios teilbar sein (bei ungleicher",
      "         Verteilung der Studienarme - bei min. einem Arm Ratio größer als 1)",
      "",
  }));
  // clang-format on

  add(Captioned("TTabSheet", "TabSheetZufall", "Zufallsgenerator"));
  add(Label("LabelStartValue", "Startwert für Zufallsgenrator (Seed)"));
  add(Edit("EditZZ"));
  add(Label("LabelMinMaxSeed", ""));
  add(Captioned("TButton", "ButtonZZ", "erzeugen"));
  // clang-format off
  add(Memo("Memo1", {
      "Mit vorgegebenem Startwert können Randomisierungslisten reproduziert ",
      "werden. Dieser Werte darf erst nach Abschluß der Randomisierungsphase ",
      "bzw. nach Aufhebung der Verblindung bekanntgegeben werden, da mit ",
      "diesem Programm daraus die gleiche Folge Zufallszahlen generiert werden ",
      "kann. Mit dem Button 'erzeugen' wird unter Verwendung der Systemzeit ",
      "eine Pseudozufallszahl als Startwert vorgeschlagen.",
      "Zur Erzeugung der Zufallszahlen wird der Algorithmus von Park und Miller ",
      "mit Bays-Durham-Korrektur verwendet.",
  }));
  // clang-format on

  add(Captioned("TTabSheet", "TabSheetListe", "Liste ausgeben"));
  add(Captioned("TBitBtn", "BitBtnStart", "Generieren"));
  add(Captioned("TCheckBox", "CheckBoxBlocks", "Blöcke markieren"));
  add(Captioned("TCheckBox", "CheckBoxSeed", "Seed ausgeben"));
  // Blinded trials: the test list, and the randomisation numbers of the site list and
  // the code-break envelopes.
  TextComponent test_list = Captioned("TCheckBox", "CheckBoxTestliste", "Testliste");
  test_list.hint = Cp1252Literal(
      "Eine Testliste aus einem vom Seed abgeleiteten Startwert; jede ihrer Ausgaben "
      "trägt TEST");
  add(std::move(test_list));
  add(Captioned("TCheckBox", "CheckBoxNummern", "Randomisierungsnummern"));
  add(Captioned("TCheckBox", "CheckBoxZufallsnummern", "zufällig"));
  add(Label("LabelNummernformat", "Format"));
  TextComponent number_format = Edit("EditNummernformat");
  number_format.hint =
      Cp1252Literal("Präfix und Stellen der Nummer, z. B. R-{0000}; leer: nur Ziffern");
  add(std::move(number_format));
  TextComponent check_digit = Captioned("TCheckBox", "CheckBoxPruefziffer", "Prüfziffer");
  check_digit.hint = Cp1252Literal("Eine Prüfziffer (Damm) am Ende jeder Nummer");
  add(std::move(check_digit));
  // A rich edit field, no TMemo: the walk leaves its lines alone.
  TextComponent list = Plain("TRichEdit", "RichEditList");
  list.lines = {std::string()};
  add(std::move(list));
  add(Captioned("TBitBtn", "BitBtnExport", "Export"));
  add(Captioned("TBitBtn", "BitBtnPrint", "Drucken"));
  add(Captioned("TBitBtn", "BitBtnClipboard", "Kopieren"));
  add(Captioned("TBitBtn", "BitBtnZentrumsliste", "Zentrumsliste"));

  add(Captioned("TTabSheet", "TabSheetInfo", "Info"));
  add(Panel("Panel2"));
  add(Plain("TImage", "Image1"));
  add(Label("LabelCompany1", "Zufora-Team"));
  add(Label("LabelCompany2", "Randomisierungslisten für klinische Studien"));
  // The program's documentation as installed: a click opens it with the desktop's handler.
  add(Label("LabelWWW", "file:///usr/share/doc/zufora/README.md"));
  add(Plain("TImage", "ImageLogo2"));
  // The choice among the installed language files, remembered for the user.
  add(Label("LabelLanguage", "Sprache (gilt ab dem nächsten Start):"));
  add(Plain("TComboBox", "ComboBoxLanguage"));

  add(Captioned("TBitBtn", "BitBtnBack", "&zurück"));
  add(Captioned("TBitBtn", "BitBtnNext", "&weiter"));
  add(Captioned("TBitBtn", "BitBtnLoad", "Studiendesign öffnen"));
  add(Captioned("TBitBtn", "BitBtnSave", "Studiendesign speichern"));
  add(Captioned("TBitBtn", "BitBtnClose", "Schließen"));

  add(NonVisual("TSaveDialog", "SaveDialogExport"));
  add(NonVisual("TSaveDialog", "SaveDialogDesign"));
  add(NonVisual("TOpenDialog", "OpenDialogDesign"));
  return window;
}

}  // namespace zufora
