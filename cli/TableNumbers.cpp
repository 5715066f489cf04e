#include "TableNumbers.h"

#include "pages/QuietGeneration.h"

namespace zufora::cli {

std::optional<std::string> AttachNumbers(OpenedDesign& opened, bool accept_misfits,
                                         OutputSpec& spec, std::unique_ptr<NumberedRows>& holder) {
  if (spec.format == OutputFormat::kBlinded && !spec.numbers) {
    spec.numbers = NumberingOptions{};
  }
  if (!spec.numbers || spec.format == OutputFormat::kList) {
    return std::nullopt;
  }
  const StudyDesign& design = opened.Pages().Design();
  const std::optional<ListPlan> plan = QuietPlan(design, opened.Texts().catalogue, accept_misfits);
  if (!plan) {
    return std::nullopt;  // the generation stops at the same check, and writes no table
  }
  std::int64_t allocations = 0;
  for (const PlannedList& list : plan->lists) {
    allocations += list.patients;
  }
  if (auto problem = NumberingProblem(*spec.numbers, allocations)) {
    return problem;
  }
  holder = std::make_unique<NumberedRows>(
      RandomisationNumbering(*spec.numbers, allocations, plan->seed));
  spec.row_numbers = holder.get();
  spec.redcap.numbers = holder.get();
  return std::nullopt;
}

}  // namespace zufora::cli
