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
    ControlInfo{Control::Tabs, "PageControl1", std::nullopt},
    ControlInfo{Control::BackButton, "BitBtnBack", std::nullopt},
    ControlInfo{Control::NextButton, "BitBtnNext", std::nullopt},
    ControlInfo{Control::OpenButton, "BitBtnLoad", std::nullopt},
    ControlInfo{Control::SaveButton, "BitBtnSave", std::nullopt},
    ControlInfo{Control::CloseButton, "BitBtnClose", std::nullopt},
    ControlInfo{Control::StudyNameField, "EditStudName", Page::Design},
    ControlInfo{Control::SampleSizeField, "EditAnz", Page::Design},
    ControlInfo{Control::ArmCountField, "EditArme", Page::Design},
    ControlInfo{Control::PerCentreSwitch, "CheckBoxZentren", Page::Design},
    ControlInfo{Control::CentreCountField, "EditZentren", Page::Design},
    ControlInfo{Control::StrataSwitch, "CheckBoxStrata", Page::Design},
    ControlInfo{Control::ArmTable, "StringGridArme", Page::Arms},
    ControlInfo{Control::ArmLabelField, "EditCArm", Page::Arms},
    ControlInfo{Control::ArmDescriptionField, "EditCBeschr", Page::Arms},
    ControlInfo{Control::ArmRatioField, "EditCRatio", Page::Arms},
    ControlInfo{Control::CentreTable, "StringGridZentren", Page::Centres},
    ControlInfo{Control::CentreLabelField, "EditAZentrum", Page::Centres},
    ControlInfo{Control::CentreNumberField, "EditANummer", Page::Centres},
    ControlInfo{Control::CentreDescriptionField, "EditABeschr", Page::Centres},
    ControlInfo{Control::CentreSampleSizeField, "EditAFallzahl", Page::Centres},
    ControlInfo{Control::CentreSumField, "EditSumme", Page::Centres},
    ControlInfo{Control::FactorTable, "StringGridFaktoren", Page::Strata},
    ControlInfo{Control::FactorLabelField, "EditFaktor", Page::Strata},
    ControlInfo{Control::FactorNameField, "EditFaktorName", Page::Strata},
    ControlInfo{Control::FactorFieldField, "EditFaktorFeld", Page::Strata},
    ControlInfo{Control::AddFactorButton, "BitBtnFaktorNeu", Page::Strata},
    ControlInfo{Control::RemoveFactorButton, "BitBtnFaktorLoeschen", Page::Strata},
    ControlInfo{Control::FactorUpButton, "BitBtnFaktorHoch", Page::Strata},
    ControlInfo{Control::FactorDownButton, "BitBtnFaktorRunter", Page::Strata},
    ControlInfo{Control::LevelTable, "StringGridStufen", Page::Strata},
    ControlInfo{Control::LevelLabelField, "EditStufe", Page::Strata},
    ControlInfo{Control::LevelCodeField, "EditStufeCode", Page::Strata},
    ControlInfo{Control::LevelTextField, "EditStufeBez", Page::Strata},
    ControlInfo{Control::AddLevelButton, "BitBtnStufeNeu", Page::Strata},
    ControlInfo{Control::RemoveLevelButton, "BitBtnStufeLoeschen", Page::Strata},
    ControlInfo{Control::LevelUpButton, "BitBtnStufeHoch", Page::Strata},
    ControlInfo{Control::LevelDownButton, "BitBtnStufeRunter", Page::Strata},
    ControlInfo{Control::StratumLengthField, "EditStratumLaenge", Page::Strata},
    ControlInfo{Control::FixedBlocksOption, "RadioButton1", Page::Blocks},
    ControlInfo{Control::FixedBlockSizeField, "EditFix", Page::Blocks},
    ControlInfo{Control::VariableBlocksOption, "RadioButton2", Page::Blocks},
    ControlInfo{Control::MinBlockSizeField, "EditVon", Page::Blocks},
    ControlInfo{Control::MaxBlockSizeField, "EditBis", Page::Blocks},
    ControlInfo{Control::SeedField, "EditZZ", Page::Seed},
    ControlInfo{Control::ProposeSeedButton, "ButtonZZ", Page::Seed},
    ControlInfo{Control::GenerateButton, "BitBtnStart", Page::List},
    ControlInfo{Control::MarkBlocksSwitch, "CheckBoxBlocks", Page::List},
    ControlInfo{Control::ShowSeedSwitch, "CheckBoxSeed", Page::List},
    ControlInfo{Control::ListField, "RichEditList", Page::List},
    ControlInfo{Control::ExportButton, "BitBtnExport", Page::List},
    ControlInfo{Control::PrintButton, "BitBtnPrint", Page::List},
    ControlInfo{Control::CopyButton, "BitBtnClipboard", Page::List},
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
