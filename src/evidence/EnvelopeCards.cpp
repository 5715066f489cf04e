#include "evidence/EnvelopeCards.h"

#include <utility>

#include "text/IntegerText.h"

namespace zufora {

EnvelopeCards::EnvelopeCards(const StudyDesign& design, const DrawnLists& drawn,
                             std::string centre_caption, std::string stratum_caption,
                             NumberOf number_of)
    : design_(design),
      drawn_(drawn),
      centre_caption_(std::move(centre_caption)),
      stratum_caption_(std::move(stratum_caption)),
      number_of_(std::move(number_of)) {}

std::variant<RandomisationNumbering, std::string> NumberDrawnLists(const NumberingOptions& options,
                                                                   const StudyDesign& design,
                                                                   const DrawnLists& drawn) {
  const std::int64_t count = EnvelopeCards::Count(drawn);
  if (auto problem = NumberingProblem(options, count)) {
    return std::move(*problem);
  }
  return RandomisationNumbering(options, count, SeedOf(ParseIntegerText(design.seed).value_or(0)));
}

std::int64_t EnvelopeCards::Count(const DrawnLists& drawn) {
  std::int64_t count = 0;
  for (const RandomizationList& list : drawn.lists) {
    count += static_cast<std::int64_t>(list.arms.size());
  }
  return count;
}

bool EnvelopeCards::Next(EnvelopeCard& card) {
  while (list_ < drawn_.lists.size() && patient_ >= drawn_.lists[list_].arms.size()) {
    ++list_;
    patient_ = 0;
    heading_read_ = false;
  }
  if (list_ >= drawn_.lists.size()) {
    return false;
  }
  const RandomizationList& list = drawn_.lists[list_];
  if (!heading_read_) {
    ReadHeading(list);
    heading_read_ = true;
  }
  const std::int32_t arm = list.arms[patient_];
  card.number = number_of_(index_);
  card.centre = centre_;
  card.levels = levels_;
  card.arm = arm;
  card.arm_description = design_.arms.Cell(kArmDescriptionColumn, arm);
  ++patient_;
  ++index_;
  return true;
}

void EnvelopeCards::ReadHeading(const RandomizationList& list) {
  centre_.clear();
  levels_.clear();
  if (list.centre) {
    centre_ = centre_caption_ + ' ' + design_.centres.Cell(kCentreNumberColumn, *list.centre) +
              ' ' + design_.centres.Cell(kCentreDescriptionColumn, *list.centre);
  } else if (!list.levels.empty()) {
    centre_ = stratum_caption_ + ' ' + std::to_string(list.stratum);
  }
  for (std::size_t f = 0; f < list.levels.size() && f < design_.factors.size(); ++f) {
    const StratificationFactor& factor = design_.factors[f];
    if (!levels_.empty()) {
      levels_ += " - ";
    }
    levels_ += factor.name + ": ";
    const std::int32_t level = list.levels[f];
    if (level >= 0 && static_cast<std::size_t>(level) < factor.levels.size()) {
      levels_ += factor.levels[static_cast<std::size_t>(level)].label;
    }
  }
}

}  // namespace zufora
