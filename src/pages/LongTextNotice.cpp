#include "pages/LongTextNotice.h"

#include <array>
#include <string_view>

#include "files/IniDocument.h"
#include "files/LongDesignTexts.h"

namespace zufora {
namespace {

constexpr std::size_t kFieldsNamed = 3;

constexpr std::array<std::string_view, kArmColumns> kArmColumnLabels = {"LabelArm", "LabelArmDescr",
                                                                        "LabelRatio"};
constexpr std::array<std::string_view, kCentreColumns> kCentreColumnLabels = {
    "LabelCenter", "LabelCenterId", "LabelCenterDescr", "LabelSampleSize"};

// A caption as the label shows it: "&" marks an access key ("&&" is one "&").
std::string Shown(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
    }
    shown += caption[i];
  }
  return shown;
}

std::string FieldName(const TextWindow& window, const LongDesignText& text) {
  using Field = LongDesignText::Field;
  const auto caption = [&window](std::string_view name) { return Shown(window.CaptionOf(name)); };
  const auto cell = [&](std::string_view row_label, std::string_view column_label) {
    return caption(row_label) + " " + std::to_string(text.row) + ", " + caption(column_label);
  };
  switch (text.field) {
    case Field::StudyName: return caption("LabelStudName");
    case Field::SampleSize: return caption("LabelSampleSizePlanned");
    case Field::ArmCount: return caption("LabelArmCount");
    case Field::CentreCount: return caption("LabelCenterCount");
    case Field::FixedBlockSize: return caption("LabelBlockSize") + " " + caption("RadioButton1");
    case Field::MinBlockSize: return caption("LabelBlockSize") + " " + caption("RadioButton2");
    case Field::MaxBlockSize: return caption("LabelBlockSize") + " " + caption("LabelTo");
    case Field::Seed: return caption("LabelStartValue");
    case Field::ArmCell:
      return cell("LabelArm", kArmColumnLabels[static_cast<std::size_t>(text.column)]);
    case Field::CentreCell:
      return cell("LabelCenter", kCentreColumnLabels[static_cast<std::size_t>(text.column)]);
  }
  return {};
}

}  // namespace

std::optional<std::string> LongTextNotice(const ProgramTexts& texts, const StudyDesign& design) {
  const std::vector<LongDesignText> long_texts = TextsTooLongForTheFile(design);
  if (long_texts.empty()) {
    return std::nullopt;
  }
  std::string fields;
  for (std::size_t i = 0; i < long_texts.size() && i < kFieldsNamed; ++i) {
    fields += (i > 0 ? "; " : "") + FieldName(texts.main_window, long_texts[i]);
  }
  if (long_texts.size() > kFieldsNamed) {
    fields += "; \x85 (" + std::to_string(long_texts.size()) + ")";  // cp1252's ellipsis
  }
  return texts.catalogue.Compose(Message::MessageDesignTextTooLong,
                                 {fields, std::to_string(IniDocument::kMaxValueLength)});
}

}  // namespace zufora
