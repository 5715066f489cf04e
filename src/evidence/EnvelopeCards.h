#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "design/StudyDesign.h"
#include "evidence/RandomisationNumbers.h"
#include "print/EnvelopeCard.h"
#include "random/RandomizationList.h"

namespace zufora {

// The code-break cards of drawn lists: one card per allocation, in study order (the
// lists in their order, each list's patients in theirs), the card of the allocation with
// index k (from 0) bearing the number `number_of(k)`. The stratum lines read the centre
// table and the factors of `design` as the list text's headings do; `centre_caption` and
// `stratum_caption` are the words those headings begin with ("Zentrum", "Stratum").
// Design and lists must outlive the source and not change while it hands out cards.
class EnvelopeCards : public EnvelopeCardSource {
 public:
  using NumberOf = std::function<std::string(std::int64_t index)>;

  EnvelopeCards(const StudyDesign& design, const DrawnLists& drawn, std::string centre_caption,
                std::string stratum_caption, NumberOf number_of);

  bool Next(EnvelopeCard& card) override;

  // The allocations of the lists: the cards there are.
  static std::int64_t Count(const DrawnLists& drawn);

 private:
  void ReadHeading(const RandomizationList& list);

  const StudyDesign& design_;
  const DrawnLists& drawn_;
  std::string centre_caption_;
  std::string stratum_caption_;
  NumberOf number_of_;
  std::size_t list_ = 0;
  std::size_t patient_ = 0;
  std::int64_t index_ = 0;
  bool heading_read_ = false;
  std::string centre_;
  std::string levels_;
};

// The randomisation numbers of the drawn lists as `options` ask, from the study seed in
// the seed field of the design they were drawn from (SeedOf); or why they cannot be
// numbered so (NumberingProblem).
std::variant<RandomisationNumbering, std::string> NumberDrawnLists(const NumberingOptions& options,
                                                                   const StudyDesign& design,
                                                                   const DrawnLists& drawn);

}  // namespace zufora
