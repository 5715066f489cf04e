#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace zufora {

// Patients per arm, and where the arms stand against their ratios: each arm's share
// (patients divided by ratio) kept in order, so that the lowest and highest shares and
// the arms at the lowest are known at once. Adding a patient costs O(log arms), and
// starting again costs only what was touched, so that a tally runs in time linear in the
// patients (times log arms) plus the arms, however many lists it starts. Arms with ratio
// 0 are counted but have no share. Counts stay below 2^24 (the patient limit), ratios
// below 2^31: shares compare exactly in 64 bits.
class ShareSpread {
 public:
  explicit ShareSpread(const std::vector<std::int64_t>& ratios);

  // Every arm back to 0 patients.
  void Reset();
  // One patient more in arm `arm` (from 0).
  void Add(std::size_t arm);
  std::int64_t Count(std::size_t arm) const {
    return stamps_[arm] == generation_ ? counts_[arm] : 0;
  }

  // How many arms (with a ratio above 0) share the lowest share, and whether `arm` is one.
  struct Lowest {
    int ties = 0;
    bool includes = false;
  };
  Lowest LowestShares(std::size_t arm) const;
  // The highest share minus the lowest; 0 without an arm with a ratio above 0.
  double Spread() const;

 private:
  struct Share {
    std::int64_t count = 0;
    std::int64_t ratio = 1;
    bool operator<(const Share& other) const { return count * other.ratio < other.count * ratio; }
    double Value() const { return static_cast<double>(count) / static_cast<double>(ratio); }
  };

  const std::vector<std::int64_t>& ratios_;
  int shared_arms_ = 0;  // arms with a ratio above 0
  std::vector<std::int64_t> counts_;
  std::vector<std::uint32_t> stamps_;  // counts_ holds a count of this round when equal
  std::uint32_t generation_ = 1;
  std::map<Share, int> shares_;  // share -> how many arms have it
  Share highest_;
};

}  // namespace zufora
