#include "evidence/BalanceTally.h"

#include <algorithm>
#include <limits>

namespace zufora {

BalanceTally::BalanceTally(std::vector<std::int64_t> ratios) : ratios_(std::move(ratios)) {
  for (const std::int64_t ratio : ratios_) {
    ratio_sum_ += ratio;
  }
  block_counts_.assign(ratios_.size(), 0);
}

double BalanceTally::Imbalance(const std::vector<std::int64_t>& counts) const {
  double highest = -std::numeric_limits<double>::infinity();
  double lowest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < ratios_.size(); ++i) {
    if (ratios_[i] > 0) {
      const double share = static_cast<double>(counts[i]) / static_cast<double>(ratios_[i]);
      highest = std::max(highest, share);
      lowest = std::min(lowest, share);
    }
  }
  return highest >= lowest ? highest - lowest : 0;
}

double BalanceTally::StudyImbalance() const {
  std::vector<std::int64_t> total(ratios_.size(), 0);
  for (const ListBalance& list : lists_) {
    for (std::size_t i = 0; i < total.size(); ++i) {
      total[i] += list.patients_per_arm[i];
    }
  }
  return Imbalance(total);
}

std::int64_t BalanceTally::ListBalance::Patients() const {
  std::int64_t patients = 0;
  for (const std::int64_t count : patients_per_arm) {
    patients += count;
  }
  return patients;
}

double BalanceTally::PlannedPatients(const ListBalance& list, std::int32_t arm) const {
  return ratio_sum_ > 0 ? static_cast<double>(list.Patients()) *
                              static_cast<double>(ratios_[static_cast<std::size_t>(arm - 1)]) /
                              static_cast<double>(ratio_sum_)
                        : 0;
}

void BalanceTally::BeginList(const RandomizationList& list) {
  ListBalance& balance = lists_.emplace_back();
  balance.centre = list.centre;
  balance.seed = list.seed;
  balance.patients_per_arm.assign(ratios_.size(), 0);
}

void BalanceTally::Blocks(std::int32_t, std::span<const std::int32_t> arms,
                          std::span<const std::int32_t> block_sizes) {
  ListBalance& list = lists_.back();
  std::vector<std::int64_t>& counts = list.patients_per_arm;
  const std::size_t arm_count = ratios_.size();
  std::size_t i = 0;
  for (const std::int32_t block : block_sizes) {
    ++list.block_sizes[block];
    std::fill(block_counts_.begin(), block_counts_.end(), 0);
    // The block's quotas as the filling gives them: floor(B * r / R), the rest to the last.
    for (std::int32_t k = 0; k < block && i < arms.size(); ++k, ++i) {
      const auto actual = static_cast<std::size_t>(arms[i] - 1);
      // Convergence: the arms with the lowest share so far.
      double lowest = std::numeric_limits<double>::infinity();
      int ties = 0;
      bool hit = false;
      // Block: the arms with the most places left in the block.
      std::int64_t most_left = std::numeric_limits<std::int64_t>::min();
      int block_ties = 0;
      bool block_hit = false;
      std::int64_t quota_rest = block;
      for (std::size_t a = 0; a < arm_count; ++a) {
        if (ratios_[a] > 0) {
          const double share = static_cast<double>(counts[a]) / static_cast<double>(ratios_[a]);
          if (share < lowest) {
            lowest = share;
            ties = 1;
            hit = a == actual;
          } else if (share == lowest) {
            ++ties;
            hit = hit || a == actual;
          }
        }
        const std::int64_t quota = a + 1 < arm_count ? block * ratios_[a] / ratio_sum_ : quota_rest;
        quota_rest -= quota;
        const std::int64_t left = quota - block_counts_[a];
        if (left > most_left) {
          most_left = left;
          block_ties = 1;
          block_hit = a == actual;
        } else if (left == most_left) {
          ++block_ties;
          block_hit = block_hit || a == actual;
        }
      }
      convergence_hits_ += hit ? 1.0 / ties : 0.0;
      block_hits_ += block_hit ? 1.0 / block_ties : 0.0;
      ++counts[actual];
      ++block_counts_[actual];
      ++patients_;
      list.largest_imbalance = std::max(list.largest_imbalance, Imbalance(counts));
    }
  }
  list.final_imbalance = Imbalance(counts);
}

}  // namespace zufora
