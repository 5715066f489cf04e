#include "pages/Control.h"

#include <array>
#include <utility>

namespace zufora {
namespace {

struct ControlInfo {
  Control control;
  std::string_view name;
  std::optional<Page> page;
};

constexpr std::array kControls = {
    ControlInfo{Control::PageControl1, "PageControl1", std::nullopt},
    ControlInfo{Control::BitBtnBack, "BitBtnBack", std::nullopt},
    ControlInfo{Control::BitBtnNext, "BitBtnNext", std::nullopt},
    ControlInfo{Control::BitBtnLoad, "BitBtnLoad", std::nullopt},
    ControlInfo{Control::BitBtnSave, "BitBtnSave", std::nullopt},
    ControlInfo{Control::BitBtnClose, "BitBtnClose", std::nullopt},
    ControlInfo{Control::EditStudName, "EditStudName", Page::TabSheetDesign},
    ControlInfo{Control::EditAnz, "EditAnz", Page::TabSheetDesign},
    ControlInfo{Control::EditArme, "EditArme", Page::TabSheetDesign},
    ControlInfo{Control::CheckBoxZentren, "CheckBoxZentren", Page::TabSheetDesign},
    ControlInfo{Control::EditZentren, "EditZentren", Page::TabSheetDesign},
    ControlInfo{Control::StringGridArme, "StringGridArme", Page::TabSheetArme},
    ControlInfo{Control::EditCArm, "EditCArm", Page::TabSheetArme},
    ControlInfo{Control::EditCBeschr, "EditCBeschr", Page::TabSheetArme},
    ControlInfo{Control::EditCRatio, "EditCRatio", Page::TabSheetArme},
    ControlInfo{Control::StringGridZentren, "StringGridZentren", Page::TabSheetZentren},
    ControlInfo{Control::EditAZentrum, "EditAZentrum", Page::TabSheetZentren},
    ControlInfo{Control::EditANummer, "EditANummer", Page::TabSheetZentren},
    ControlInfo{Control::EditABeschr, "EditABeschr", Page::TabSheetZentren},
    ControlInfo{Control::EditAFallzahl, "EditAFallzahl", Page::TabSheetZentren},
    ControlInfo{Control::EditSumme, "EditSumme", Page::TabSheetZentren},
    ControlInfo{Control::RadioButton1, "RadioButton1", Page::TabSheetBlock},
    ControlInfo{Control::EditFix, "EditFix", Page::TabSheetBlock},
    ControlInfo{Control::RadioButton2, "RadioButton2", Page::TabSheetBlock},
    ControlInfo{Control::EditVon, "EditVon", Page::TabSheetBlock},
    ControlInfo{Control::EditBis, "EditBis", Page::TabSheetBlock},
    ControlInfo{Control::EditZZ, "EditZZ", Page::TabSheetZufall},
    ControlInfo{Control::ButtonZZ, "ButtonZZ", Page::TabSheetZufall},
    ControlInfo{Control::BitBtnStart, "BitBtnStart", Page::TabSheetListe},
    ControlInfo{Control::CheckBoxBlocks, "CheckBoxBlocks", Page::TabSheetListe},
    ControlInfo{Control::CheckBoxSeed, "CheckBoxSeed", Page::TabSheetListe},
    ControlInfo{Control::RichEditList, "RichEditList", Page::TabSheetListe},
    ControlInfo{Control::BitBtnExport, "BitBtnExport", Page::TabSheetListe},
    ControlInfo{Control::BitBtnPrint, "BitBtnPrint", Page::TabSheetListe},
    ControlInfo{Control::BitBtnClipboard, "BitBtnClipboard", Page::TabSheetListe},
};

const ControlInfo* Find(Control control) {
  for (const ControlInfo& info : kControls) {
    if (info.control == control) {
      return &info;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<Page> PageOf(Control control) {
  const ControlInfo* info = Find(control);
  return info ? info->page : std::nullopt;
}

std::string_view ControlName(Control control) {
  const ControlInfo* info = Find(control);
  return info ? info->name : std::string_view();
}

Control ControlByName(std::string_view name) {
  for (const ControlInfo& info : kControls) {
    if (info.name == name) {
      return info.control;
    }
  }
  return Control::None;
}

}  // namespace zufora
