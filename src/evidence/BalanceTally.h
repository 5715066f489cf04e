#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "evidence/ShareSpread.h"
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
// share among the arms with a ratio above 0 (for ratios 1:1, the difference in patients;
// for unequal ratios a difference in patients per unit of ratio, so that lists exactly
// at their ratios, 4 and 2 patients at 2:1, have imbalance 0).
//
// Time is linear in the patients (times log arms for the convergence observer) plus the
// arms: no step walks every arm for every patient.
class BalanceTally : public ListConsumer {
 public:
  struct ListBalance {
    std::optional<std::int32_t> centre;
    std::int32_t stratum = 0;          // from 1; 0 when the design is not stratified
    std::vector<std::int32_t> levels;  // the stratum's level index of each factor
    std::int32_t seed = 0;
    std::int32_t planned_patients = 0;
    std::int64_t patients = 0;
    std::vector<std::int64_t> patients_per_arm;        // by arm - 1 (when kept)
    std::map<std::int32_t, std::int64_t> block_sizes;  // size -> count
    double largest_imbalance = 0;
    double final_imbalance = 0;

    std::int64_t Patients() const { return patients; }
  };

  // `keep_arm_counts`: each list keeps its patients per arm (a report shows them); a
  // simulation over many seeds needs only the study's.
  explicit BalanceTally(std::vector<std::int64_t> ratios, bool keep_arm_counts = true);
  BalanceTally(const BalanceTally&) = delete;
  BalanceTally& operator=(const BalanceTally&) = delete;

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
  double StudyImbalance() const { return study_.Spread(); }
  // The patients that arm `arm` (from 1) would have in `list` at exactly its ratio's
  // share: the list's patients × ratio ÷ the sum of the ratios; 0 when no ratio is
  // above 0.
  double PlannedPatients(const ListBalance& list, std::int32_t arm) const;
  std::int64_t RatioSum() const { return ratio_sum_; }
  // Forgets the lists and the study's counts, keeping the guess counts.
  void ClearLists();
  // Sets the guess counts and patients back to 0.
  void ClearGuesses();

 private:
  void BeginBlock(std::int64_t block);
  void GuessWithinBlock(std::size_t actual);

  std::vector<std::int64_t> ratios_;
  bool keep_arm_counts_;
  std::int64_t ratio_sum_ = 0;
  std::vector<std::size_t> by_ratio_;  // arms with a ratio above 0, largest ratio first
  ShareSpread list_;
  ShareSpread study_;
  std::vector<ListBalance> lists_;
  // The current block: places left of the arms with a quota (stamped with the block), how
  // many arms have each number of places left, and the most left.
  std::vector<std::int64_t> left_;
  std::vector<std::uint64_t> left_block_;
  std::uint64_t block_number_ = 0;
  std::vector<std::int64_t> arms_with_left_;
  std::int64_t most_left_ = 0;
  std::int64_t patients_ = 0;
  double convergence_hits_ = 0;
  double block_hits_ = 0;
};

}  // namespace zufora
