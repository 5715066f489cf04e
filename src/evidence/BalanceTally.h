#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "random/ListConsumer.h"

namespace zufora {

// Counts the balance of lists while they are drawn: patients per arm, block sizes, the
// largest running imbalance, and how often two observers would guess the next arm:
// one who always guesses the arm most behind its ratio in the list so far (for equal
// ratios the arm with the fewest patients; the convergence strategy), and one who knows
// the block sizes and guesses the arm most behind in the current block. Ties are split:
// a guess among k arms counts 1/k when one of them is right.
//
// Imbalance compares patients divided by ratio: the largest minus the smallest such
// share among the arms with a ratio above 0 (for ratios 1:1, the difference in patients).
class BalanceTally : public ListConsumer {
 public:
  struct ListBalance {
    std::optional<std::int32_t> centre;
    std::int32_t seed = 0;
    std::vector<std::int64_t> patients_per_arm;        // by arm - 1
    std::map<std::int32_t, std::int64_t> block_sizes;  // size -> count
    double largest_imbalance = 0;
    double final_imbalance = 0;

    std::int64_t Patients() const;
  };

  explicit BalanceTally(std::vector<std::int64_t> ratios);

  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

  const std::vector<ListBalance>& Lists() const { return lists_; }
  std::int64_t Patients() const { return patients_; }
  // Expected correct guesses over all patients so far, of each observer.
  double ConvergenceHits() const { return convergence_hits_; }
  double BlockHits() const { return block_hits_; }
  // Imbalance of all lists together, patients of each arm summed.
  double StudyImbalance() const;
  // The patients that arm `arm` (from 1) would have in `list` at exactly its ratio's
  // share; 0 when no ratio is above 0.
  double PlannedPatients(const ListBalance& list, std::int32_t arm) const;
  // Forgets the lists, keeping the guess counts (for many generations in a row).
  void ClearLists() { lists_.clear(); }

 private:
  double Imbalance(const std::vector<std::int64_t>& counts) const;

  std::vector<std::int64_t> ratios_;
  std::int64_t ratio_sum_ = 0;
  std::vector<ListBalance> lists_;
  std::vector<std::int64_t> block_counts_;  // current block, by arm - 1
  std::int64_t patients_ = 0;
  double convergence_hits_ = 0;
  double block_hits_ = 0;
};

}  // namespace zufora
