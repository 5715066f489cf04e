#pragma once

#include <string>

#include "evidence/RandomisationNumbers.h"
#include "evidence/RedcapRules.h"

namespace zufora {

// The randomisation numbers of a table's rows: a row (counted from 1 over all lists in
// study order) has the number of the allocation whose index is one less.
class NumberedRows : public RandomizationNumbers {
 public:
  explicit NumberedRows(RandomisationNumbering numbering) : numbering_(std::move(numbering)) {}

  std::string NumberOf(const AllocationRow& row) override;
  const RandomisationNumbering& Numbering() const { return numbering_; }

 private:
  RandomisationNumbering numbering_;
};

}  // namespace zufora
