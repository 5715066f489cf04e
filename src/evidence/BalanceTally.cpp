#include "evidence/BalanceTally.h"

#include <algorithm>

#include "random/RandomizationList.h"

namespace zufora {

BalanceTally::BalanceTally(std::vector<std::int64_t> ratios, bool keep_arm_counts)
    : ratios_(std::move(ratios)),
      keep_arm_counts_(keep_arm_counts),
      list_(ratios_),
      study_(ratios_),
      left_(ratios_.size(), 0),
      left_block_(ratios_.size(), 0) {
  for (std::size_t a = 0; a < ratios_.size(); ++a) {
    ratio_sum_ += ratios_[a];
    if (ratios_[a] > 0) {
      by_ratio_.push_back(a);
    }
  }
  std::stable_sort(by_ratio_.begin(), by_ratio_.end(),
                   [this](std::size_t a, std::size_t b) { return ratios_[a] > ratios_[b]; });
}

double BalanceTally::PlannedPatients(const ListBalance& list, std::int32_t arm) const {
  return ratio_sum_ > 0 ? static_cast<double>(list.Patients()) *
                              static_cast<double>(ratios_[static_cast<std::size_t>(arm - 1)]) /
                              static_cast<double>(ratio_sum_)
                        : 0;
}

void BalanceTally::ClearLists() {
  lists_.clear();
  study_.Reset();
}

void BalanceTally::ClearGuesses() {
  convergence_hits_ = 0;
  block_hits_ = 0;
  patients_ = 0;
}

void BalanceTally::BeginList(const RandomizationList& list) {
  ListBalance& balance = lists_.emplace_back();
  balance.centre = list.centre;
  balance.stratum = list.stratum;
  balance.levels = list.levels;
  balance.seed = list.seed;
  balance.planned_patients = list.planned_patients;
  if (keep_arm_counts_) {
    balance.patients_per_arm.assign(ratios_.size(), 0);
  }
  list_.Reset();
}

// The block's quotas as the filling gives them: floor(B * r / R) for every arm but the
// last, the rest to the last. Only arms with a quota of 1 or more can have the most
// places left (their places left add up to the places left in the block), and there are
// at most B of them: found from the largest ratio down.
void BalanceTally::BeginBlock(std::int64_t block) {
  ++block_number_;
  if (ratios_.empty()) {
    most_left_ = 0;
    return;
  }
  const std::size_t last = ratios_.size() - 1;
  std::int64_t others = 0;
  std::int64_t most = 0;
  auto set_left = [&](std::size_t arm, std::int64_t quota) {
    left_[arm] = quota;
    left_block_[arm] = block_number_;
    most = std::max(most, quota);
  };
  if (ratio_sum_ > 0) {
    for (const std::size_t arm : by_ratio_) {
      const std::int64_t quota = block * ratios_[arm] / ratio_sum_;
      if (quota < 1) {
        break;
      }
      if (arm != last) {
        others += quota;
        set_left(arm, quota);
      }
    }
  }
  set_left(last, block - others);
  arms_with_left_.assign(static_cast<std::size_t>(most) + 1, 0);
  ++arms_with_left_[static_cast<std::size_t>(left_[last])];
  if (ratio_sum_ > 0) {
    for (const std::size_t arm : by_ratio_) {
      if (arm == last) {
        continue;
      }
      if (left_block_[arm] != block_number_) {
        break;
      }
      ++arms_with_left_[static_cast<std::size_t>(left_[arm])];
    }
  }
  most_left_ = most;
}

void BalanceTally::GuessWithinBlock(std::size_t actual) {
  if (actual >= left_.size()) {
    return;
  }
  while (most_left_ > 0 && arms_with_left_[static_cast<std::size_t>(most_left_)] == 0) {
    --most_left_;
  }
  const bool counted = left_block_[actual] == block_number_;
  if (most_left_ > 0 && counted && left_[actual] == most_left_) {
    block_hits_ += 1.0 / static_cast<double>(arms_with_left_[static_cast<std::size_t>(most_left_)]);
  }
  if (counted) {
    std::int64_t& left = left_[actual];
    if (left >= 1) {
      --arms_with_left_[static_cast<std::size_t>(left)];
    }
    --left;
    if (left >= 1) {
      ++arms_with_left_[static_cast<std::size_t>(left)];
    }
  }
}

void BalanceTally::Blocks(std::int32_t, std::span<const std::int32_t> arms,
                          std::span<const std::int32_t> block_sizes) {
  ListBalance& list = lists_.back();
  std::size_t i = 0;
  for (const std::int32_t block : block_sizes) {
    ++list.block_sizes[block];
    BeginBlock(block);
    for (std::int32_t k = 0; k < block && i < arms.size(); ++k, ++i) {
      const auto actual = static_cast<std::size_t>(arms[i] - 1);
      const ShareSpread::Lowest lowest = list_.LowestShares(actual);
      if (lowest.includes) {
        convergence_hits_ += 1.0 / lowest.ties;
      }
      GuessWithinBlock(actual);
      list_.Add(actual);
      study_.Add(actual);
      if (keep_arm_counts_) {
        ++list.patients_per_arm[actual];
      }
      ++list.patients;
      ++patients_;
      list.largest_imbalance = std::max(list.largest_imbalance, list_.Spread());
    }
  }
  list.final_imbalance = list_.Spread();
}

}  // namespace zufora
