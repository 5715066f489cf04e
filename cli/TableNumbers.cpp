#include "TableNumbers.h"

#include "pages/QuietGeneration.h"

namespace zufora::cli {

std::optional<std::string> AttachNumbers(OpenedDesign& opened, bool accept_misfits,
                                         OutputRequest& request,
                                         std::unique_ptr<NumberedRows>& holder) {
  if (request.format == OutputFormat::kBlinded && !request.numbers) {
    request.numbers = NumberingOptions{};
  }
  if (!request.numbers || request.format == OutputFormat::kList) {
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
  if (auto problem = NumberingProblem(*request.numbers, allocations)) {
    return problem;
  }
  holder = std::make_unique<NumberedRows>(
      RandomisationNumbering(*request.numbers, allocations, plan->seed));
  request.row_numbers = holder.get();
  request.redcap.numbers = holder.get();
  return std::nullopt;
}

}  // namespace zufora::cli
