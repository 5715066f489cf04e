#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "design/Page.h"
#include "lang/MainWindowTexts.h"
#include "lang/MessageCatalogue.h"
#include "lang/PrintWindowTexts.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

using Lines = std::vector<std::string>;

Lines Cp1252Lines(std::initializer_list<const char*> utf8_lines) {
  Lines lines;
  for (const char* line : utf8_lines) {
    lines.push_back(Cp1252Literal(line));
  }
  return lines;
}

std::ptrdiff_t IndexOf(const TextWindow& window, std::string_view name) {
  const auto& components = window.Components();
  const auto it = std::find_if(components.begin(), components.end(),
                               [name](const TextComponent& c) { return c.name == name; });
  return it == components.end() ? -1 : it - components.begin();
}

TEST(MainWindowTexts, CaptionsAsBuilt) {
  const TextWindow window = MakeMainWindowTexts();
  EXPECT_EQ(window.Name(), "FormZufora");
  EXPECT_EQ(window.Caption(), "Quandel Zufora Version 1.2");
  const std::vector<std::pair<const char*, const char*>> captions = {
      {"BitBtnBack", "&zurück"},
      {"BitBtnNext", "&weiter"},
      {"BitBtnLoad", "Studiendesign öffnen"},
      {"BitBtnSave", "Studiendesign speichern"},
      {"BitBtnClose", "Schließen"},
      {"TabSheetDesign", "Studiendesign"},
      {"TabSheetArme", "Studienarme"},
      {"TabSheetZentren", "Studienzentren"},
      {"TabSheetBlock", "Blöcke"},
      {"TabSheetZufall", "Zufallsgenerator"},
      {"TabSheetListe", "Liste ausgeben"},
      {"TabSheetInfo", "Info"},
      {"LabelStudName", "Bezeichnung der Studie"},
      {"LabelSampleSizePlanned", "Geplante Patientenzahl"},
      {"LabelArmCount", "Anzahl der Studienarme"},
      {"CheckBoxZentren", "&Randomisierungsliste für jedes Zentrum"},
      {"LabelCenterCount", "Anzahl der Zentren"},
      {"LabelArm", "Arm"},
      {"LabelArmDescr", "Beschreibung"},
      {"LabelRatio", "Ratio"},
      {"LabelCenterSum", "Summe"},
      {"LabelCenter", "Zentrum"},
      {"LabelCenterId", "Nummer"},
      {"LabelCenterDescr", "Beschreibung"},
      {"LabelSampleSize", "Geplante Fallzahl"},
      {"LabelBlockSize", "Blockgröße"},
      {"RadioButton1", "fest"},
      {"RadioButton2", "variabel"},
      {"LabelTo", "bis"},
      {"LabelStartValue", "Startwert für Zufallsgenrator (Seed)"},
      {"ButtonZZ", "erzeugen"},
      {"BitBtnStart", "Generieren"},
      {"CheckBoxBlocks", "Blöcke markieren"},
      {"CheckBoxSeed", "Seed ausgeben"},
      {"BitBtnExport", "Export"},
      {"BitBtnPrint", "Drucken"},
      {"BitBtnClipboard", "Kopieren"},
      {"CheckBoxTestliste", "Testliste"},
      {"CheckBoxNummern", "Randomisierungsnummern"},
      {"CheckBoxZufallsnummern", "zufällig"},
      {"CheckBoxPruefziffer", "Prüfziffer"},
      {"BitBtnZentrumsliste", "Zentrumsliste"},
      {"Panel1", ""},
      {"Panel2", ""},
      {"Panel3", ""},
      {"Panel4", ""},
      {"Panel5", ""},
  };
  for (const auto& [name, caption] : captions) {
    EXPECT_EQ(window.CaptionOf(name), Cp1252Literal(caption)) << name;
  }
  EXPECT_FALSE(window.CaptionOf("LabelWWW").empty());
}

TEST(MainWindowTexts, HintsAreEmptyExceptTheVariableBlockSizeAndThePictureButtons) {
  const TextWindow window = MakeMainWindowTexts();
  // The buttons that move rows on the strata page show arrows; their hints say it.
  const std::map<std::string, std::string> hinted = {
      {"RadioButton2", "Größe der Blöcke wird per Zufallsgenerator vorgegeben"},
      {"BitBtnFaktorHoch", "Faktor nach oben"},
      {"BitBtnFaktorRunter", "Faktor nach unten"},
      {"BitBtnStufeHoch", "Stufe nach oben"},
      {"BitBtnStufeRunter", "Stufe nach unten"},
      {"CheckBoxTestliste",
       "Eine Testliste aus einem vom Seed abgeleiteten Startwert; jede ihrer Ausgaben trägt "
       "TEST"},
      {"EditNummernformat", "Präfix und Stellen der Nummer, z. B. R-{0000}; leer: nur Ziffern"},
      {"CheckBoxPruefziffer", "Eine Prüfziffer (Damm) am Ende jeder Nummer"},
  };
  for (const TextComponent& component : window.Components()) {
    if (const auto hint = hinted.find(component.name); hint != hinted.end()) {
      EXPECT_EQ(component.hint, Cp1252Literal(hint->second.c_str())) << component.name;
    } else if (component.hint) {
      EXPECT_EQ(*component.hint, "") << component.name;
    }
  }
}

TEST(MainWindowTexts, Memo1LinesExactly) {
  const TextWindow window = MakeMainWindowTexts();
  const TextComponent* memo = window.Find("Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->class_name, "TMemo");
  EXPECT_EQ(memo->lines,
            Cp1252Lines({
                "Mit vorgegebenem Startwert können Randomisierungslisten reproduziert ",
                "werden. Dieser Werte darf erst nach Abschluß der Randomisierungsphase ",
                "bzw. nach Aufhebung der Verblindung bekanntgegeben werden, da mit ",
                "diesem Programm daraus die gleiche Folge Zufallszahlen generiert werden ",
                "kann. Mit dem Button 'erzeugen' wird unter Verwendung der Systemzeit ",
                "eine Pseudozufallszahl als Startwert vorgeschlagen.",
                "Zur Erzeugung der Zufallszahlen wird der Algorithmus von Park und Miller ",
                "mit Bays-Durham-Korrektur verwendet.",
            }));
}

TEST(MainWindowTexts, Memo2LinesExactlyWithTheirBlanks) {
  const TextWindow window = MakeMainWindowTexts();
  const TextComponent* memo = window.Find("Memo2");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->class_name, "TMemo");
  const Lines expected = Cp1252Lines({
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
  });
  ASSERT_EQ(memo->lines.size(), 10u);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(memo->lines[i], expected[i]) << "line " << i + 1;
  }
}

TEST(MainWindowTexts, ListFieldIsARichEditWithOneEmptyLine) {
  const TextWindow window = MakeMainWindowTexts();
  const TextComponent* list = window.Find("RichEditList");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->class_name, "TRichEdit");
  EXPECT_EQ(list->lines, Lines{""});
}

// Each page owns the controls of its table; the window owns them in definition order,
// so they follow their page and come before the next one.
TEST(MainWindowTexts, OwnershipOrderFollowsThePages) {
  const TextWindow window = MakeMainWindowTexts();
  const std::vector<std::vector<const char*>> page_controls = {
      {"Panel5", "LabelStudName", "EditStudName", "LabelSampleSizePlanned", "EditAnz",
       "LabelArmCount", "EditArme", "CheckBoxZentren", "LabelCenterCount", "EditZentren",
       "CheckBoxStrata", "ImageLogo1"},
      {"StringGridArme", "Panel3", "LabelArm", "EditCArm", "LabelArmDescr", "EditCBeschr",
       "LabelRatio", "EditCRatio"},
      {"StringGridZentren", "LabelCenterSum", "EditSumme", "Panel4", "LabelCenter", "EditAZentrum",
       "LabelCenterId", "EditANummer", "LabelCenterDescr", "EditABeschr", "LabelSampleSize",
       "EditAFallzahl"},
      {"StringGridFaktoren", "PanelFaktor",          "LabelFaktor",      "EditFaktor",
       "LabelFaktorName",    "EditFaktorName",       "LabelFaktorFeld",  "EditFaktorFeld",
       "BitBtnFaktorNeu",    "BitBtnFaktorLoeschen", "BitBtnFaktorHoch", "BitBtnFaktorRunter",
       "StringGridStufen",   "PanelStufe",           "LabelStufe",       "EditStufe",
       "LabelStufeCode",     "EditStufeCode",        "LabelStufeBez",    "EditStufeBez",
       "BitBtnStufeNeu",     "BitBtnStufeLoeschen",  "BitBtnStufeHoch",  "BitBtnStufeRunter",
       "EditStratumLaenge",  "LabelStratumLaenge"},
      {"Panel1", "LabelBlockSize", "RadioButton1", "EditFix", "RadioButton2", "EditVon", "LabelTo",
       "EditBis", "Memo2"},
      {"LabelStartValue", "EditZZ", "LabelMinMaxSeed", "ButtonZZ", "Memo1"},
      {"BitBtnStart", "CheckBoxBlocks", "CheckBoxSeed", "CheckBoxTestliste", "CheckBoxNummern",
       "CheckBoxZufallsnummern", "LabelNummernformat", "EditNummernformat", "CheckBoxPruefziffer",
       "RichEditList", "BitBtnExport", "BitBtnPrint", "BitBtnClipboard", "BitBtnZentrumsliste"},
      {"Panel2", "Image1", "LabelCompany1", "LabelCompany2", "LabelWWW", "ImageLogo2",
       "LabelLanguage", "ComboBoxLanguage"},
  };
  ASSERT_EQ(page_controls.size(), static_cast<std::size_t>(kPageCount));
  const std::ptrdiff_t page_control = IndexOf(window, "PageControl1");
  ASSERT_GE(page_control, 0);
  std::ptrdiff_t previous_page = page_control;
  std::size_t listed = 1;
  for (int p = 0; p < kPageCount; ++p) {
    const std::string_view page_name = PageName(static_cast<Page>(p));
    const std::ptrdiff_t page = IndexOf(window, page_name);
    ASSERT_GT(page, previous_page) << page_name;
    EXPECT_EQ(window.Find(page_name)->class_name, "TTabSheet");
    const std::ptrdiff_t next_page = p + 1 < kPageCount
                                         ? IndexOf(window, PageName(static_cast<Page>(p + 1)))
                                         : IndexOf(window, "BitBtnBack");
    std::ptrdiff_t previous = page;
    for (const char* control : page_controls[static_cast<std::size_t>(p)]) {
      const std::ptrdiff_t index = IndexOf(window, control);
      EXPECT_GT(index, previous) << control;
      EXPECT_LT(index, next_page) << control;
      previous = index;
    }
    listed += 1 + page_controls[static_cast<std::size_t>(p)].size();
    previous_page = page;
  }
  // After the pages: the buttons below them in tab order, then the dialogs.
  std::ptrdiff_t previous = previous_page;
  for (const char* name : {"BitBtnBack", "BitBtnNext", "BitBtnLoad", "BitBtnSave", "BitBtnClose",
                           "SaveDialogExport", "SaveDialogDesign", "OpenDialogDesign"}) {
    EXPECT_GT(IndexOf(window, name), previous) << name;
    previous = IndexOf(window, name);
    ++listed;
  }
  EXPECT_EQ(window.Components().size(), listed);
}

// Labels, buttons, check boxes, radio buttons, pages, panels, group boxes and radio
// groups have a Caption; every visible control has a Hint; none has a Category.
void ExpectPropertiesByClass(const TextWindow& window) {
  const std::set<std::string> captioned = {"TLabel",    "TButton",      "TBitBtn",
                                           "TCheckBox", "TRadioButton", "TTabSheet",
                                           "TPanel",    "TGroupBox",    "TRadioGroup"};
  const std::set<std::string> non_visual = {"TSaveDialog", "TOpenDialog", "TPrintDialog"};
  for (const TextComponent& component : window.Components()) {
    EXPECT_EQ(component.caption.has_value(), captioned.contains(component.class_name))
        << component.name;
    EXPECT_EQ(component.hint.has_value(), !non_visual.contains(component.class_name))
        << component.name;
    EXPECT_FALSE(component.category.has_value()) << component.name;
  }
}

TEST(MainWindowTexts, TextPropertiesFollowTheComponentClass) {
  const TextWindow window = MakeMainWindowTexts();
  ExpectPropertiesByClass(window);
  for (const char* dialog : {"SaveDialogExport", "SaveDialogDesign", "OpenDialogDesign"}) {
    ASSERT_NE(window.Find(dialog), nullptr) << dialog;
  }
  EXPECT_EQ(window.Find("OpenDialogDesign")->class_name, "TOpenDialog");
  EXPECT_EQ(window.Find("EditAnz")->class_name, "TEdit");
  EXPECT_EQ(window.Find("StringGridArme")->class_name, "TStringGrid");
}

TEST(PrintWindowTexts, ButtonsMemoRadioGroupAndDialog) {
  const TextWindow window = MakePrintWindowTexts();
  EXPECT_EQ(window.Name(), "FormDruck");
  EXPECT_EQ(window.Caption(), "FormDruck");
  EXPECT_EQ(window.CaptionOf("Button1"), "Druckvorschau");
  EXPECT_EQ(window.CaptionOf("Button2"), "Drucken");
  EXPECT_EQ(window.Find("Memo1")->class_name, "TMemo");
  EXPECT_EQ(window.Find("RadioGroup1")->class_name, "TRadioGroup");
  EXPECT_EQ(window.Find("RadioGroup1")->items, (Lines{"vertikal", "horizontal"}));
  ASSERT_NE(window.Find("PrintDialog1"), nullptr);
  ExpectPropertiesByClass(window);
}

TEST(LanguageWindowTexts, GroupBoxThenOneLabelPerEntry) {
  const MessageCatalogue catalogue;
  const TextWindow& window = catalogue.Window();
  EXPECT_EQ(window.Name(), "FormLang");
  EXPECT_EQ(window.Caption(), "Language");
  ASSERT_EQ(window.Components().size(), static_cast<std::size_t>(kMessageCount) + 1);
  EXPECT_EQ(window.Components()[0].name, "GroupBoxMessages");
  EXPECT_EQ(window.CaptionOf("GroupBoxMessages"), "Messages");
  EXPECT_EQ(window.Components()[1].name, "MessageArmCount");
  EXPECT_EQ(window.Components()[static_cast<std::size_t>(Message::LabelBlock) + 1].name,
            "LabelBlock");
  EXPECT_EQ(window.Components().back().name, "MessageNumberFormat");
  EXPECT_EQ(window.CaptionOf("LabelBlock"), "Block");
  ExpectPropertiesByClass(window);
}

}  // namespace
}  // namespace zufora
