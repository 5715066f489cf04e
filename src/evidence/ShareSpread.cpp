#include "evidence/ShareSpread.h"

#include <algorithm>

namespace zufora {

ShareSpread::ShareSpread(const std::vector<std::int64_t>& ratios)
    : ratios_(ratios), counts_(ratios.size(), 0), stamps_(ratios.size(), 0) {
  shared_arms_ = static_cast<int>(
      std::count_if(ratios.begin(), ratios.end(), [](std::int64_t ratio) { return ratio > 0; }));
  Reset();
}

void ShareSpread::Reset() {
  ++generation_;
  if (generation_ == 0) {  // after 2^32 rounds: every stamp is stale for certain
    std::fill(stamps_.begin(), stamps_.end(), 0);
    generation_ = 1;
  }
  shares_.clear();
  if (shared_arms_ > 0) {
    shares_[Share{0, 1}] = shared_arms_;
  }
  highest_ = Share{0, 1};
}

void ShareSpread::Add(std::size_t arm) {
  const std::int64_t count = Count(arm);
  counts_[arm] = count + 1;
  stamps_[arm] = generation_;
  const std::int64_t ratio = ratios_[arm];
  if (ratio <= 0) {
    return;
  }
  const auto old_share = shares_.find(Share{count, ratio});
  if (--old_share->second == 0) {
    shares_.erase(old_share);
  }
  const Share share{count + 1, ratio};
  ++shares_[share];
  if (highest_ < share) {
    highest_ = share;
  }
}

ShareSpread::Lowest ShareSpread::LowestShares(std::size_t arm) const {
  if (shares_.empty()) {
    return {};
  }
  const auto& [lowest, ties] = *shares_.begin();
  const std::int64_t ratio = ratios_[arm];
  const bool includes =
      ratio > 0 && !(lowest < Share{Count(arm), ratio}) && !(Share{Count(arm), ratio} < lowest);
  return {ties, includes};
}

double ShareSpread::Spread() const {
  if (shares_.empty()) {
    return 0;
  }
  const double spread = highest_.Value() - shares_.begin()->first.Value();
  return spread > 0 ? spread : 0;
}

}  // namespace zufora
