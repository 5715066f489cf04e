#include "random/ListGenerator.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <stdexcept>

#include "design/Limits.h"

namespace zufora {
namespace {

// Consecutive rejected block size draws after which a list counts as undrawable.
constexpr int kMaxRejectedDraws = 1000;

// Blocks go to the consumer in parts of about this many patients.
constexpr std::size_t kPartPatients = 4096;

// Block sizes below this keep their quotas in a slot of their own.
constexpr std::int32_t kQuotaSlots = 256;

void Require(bool condition, const char* what) {
  if (!condition) {
    throw std::invalid_argument(std::string("a list plan with ") + what);
  }
}

// The bounds of ListPlan, which the checks guarantee; the ratio sum when they hold.
std::int64_t CheckPlan(const ListPlan& plan) {
  Require(!plan.ratios.empty() && plan.ratios.size() <= static_cast<std::size_t>(kMaxArms),
          "no arms or more than the quota table holds");
  std::int64_t sum = 0;
  for (const std::int64_t ratio : plan.ratios) {
    Require(ratio >= 0 && ratio <= INT32_MAX, "a ratio below 0 or beyond 32 bits");
    sum += ratio;
  }
  Require(sum > 0, "a ratio sum of 0");
  if (plan.block_mode == BlockSizeMode::Fixed) {
    Require(plan.fixed_block_size >= 1, "a fixed block size below 1");
  } else {
    Require(plan.min_block_size >= sum && plan.max_block_size > plan.min_block_size,
            "a minimum block size below the ratio sum or not below the maximum");
  }
  Require(plan.seeds == ListSeeds::kDrawnPerList || plan.lists.size() == 1,
          "other than one list drawn from the study seed");
  std::int64_t patients = 0;
  for (const PlannedList& list : plan.lists) {
    Require(list.patients >= 0, "a list of fewer than 0 patients");
    patients += list.patients;
  }
  Require(patients <= kMaxPatients, "more patients than one generation may draw");
  return sum;
}

}  // namespace

bool ListGenerator::Draw(const ListPlan& plan, ListConsumer& consumer, DrawProblemSink& problems) {
  ratio_sum_ = CheckPlan(plan);
  plan_ = &plan;
  TakeRatios(plan.ratios);
  working_seed_ = plan.seed.state_word;
  if (plan.seeds == ListSeeds::kStudySeed) {
    RandomizationList list;
    list.centre = plan.lists.front().centre;
    list.stratum = plan.lists.front().stratum;
    list.levels = plan.lists.front().levels;
    list.seed = plan.seed.shown;
    list.planned_patients = plan.lists.front().patients;
    return DrawList(list, consumer, problems);
  }

  // All list seeds come first, drawn from the study seed in list order.
  std::vector<std::int32_t> list_seeds(plan.lists.size());
  for (std::int32_t& list_seed : list_seeds) {
    list_seed = static_cast<std::int32_t>(-ScaleToSeedRange(generator_.Next(working_seed_)));
  }
  bool complete = true;
  for (std::size_t i = 0; i < plan.lists.size(); ++i) {
    RandomizationList list;
    list.centre = plan.lists[i].centre;
    list.stratum = plan.lists[i].stratum;
    list.levels = plan.lists[i].levels;
    working_seed_ = list_seeds[i];
    list.seed = -working_seed_;
    list.planned_patients = plan.lists[i].patients;
    complete = DrawList(list, consumer, problems) && complete;
  }
  return complete;
}

bool ListGenerator::DrawList(RandomizationList& list, ListConsumer& consumer,
                             DrawProblemSink& problems) {
  auto block_sizes = DrawBlockSizes(list.planned_patients);
  if (!block_sizes) {
    problems.Report(DrawProblem::kBlockSizesUndrawable);
    consumer.BeginList(list);
    return false;
  }
  list.block_sizes = *std::move(block_sizes);
  consumer.BeginList(list);
  if (!FillBlocks(list.block_sizes, list.planned_patients, consumer)) {
    problems.Report(DrawProblem::kBlockUnfillable);
    return false;
  }
  return true;
}

void ListGenerator::TakeRatios(const std::vector<std::int64_t>& ratios) {
  ratios_ = ratios;
  quotas_.clear();
  // The drawn arms (all but the last) with a ratio above 0, largest ratio first: the
  // arms with a quota in a block of size B are those with B * ratio >= R, a prefix.
  arms_by_ratio_.clear();
  const auto arm_count = static_cast<std::int32_t>(ratios_.size());
  for (std::int32_t arm = 1; arm < arm_count; ++arm) {
    if (Ratio(arm) > 0) {
      arms_by_ratio_.push_back(arm);
    }
  }
  std::stable_sort(arms_by_ratio_.begin(), arms_by_ratio_.end(),
                   [this](std::int32_t a, std::int32_t b) { return Ratio(a) > Ratio(b); });
}

std::optional<std::vector<std::int32_t>> ListGenerator::DrawBlockSizes(std::int32_t n) {
  std::vector<std::int32_t> sizes;
  if (n <= 0) {
    return sizes;
  }
  if (plan_->block_mode == BlockSizeMode::Fixed) {
    // The checks guarantee that F divides n; should it not, the last block is cut so
    // that every position still belongs to a block.
    const std::int32_t f = plan_->fixed_block_size;
    sizes.assign(static_cast<std::size_t>(n / f), f);
    if (n % f != 0) {
      sizes.push_back(n % f);
    }
    return sizes;
  }

  const std::int64_t r = ratio_sum_;
  const std::int64_t v_min = plan_->min_block_size;
  const std::int64_t drawable = (plan_->max_block_size - v_min) / r + 1;
  const std::int64_t base = v_min / r;
  std::int64_t total = 0;
  int rejected = 0;
  // Drawn from locals, written back on every way out (see FillBlocks).
  ParkMillerShuffleGenerator generator = generator_;
  std::int32_t seed = working_seed_;
  struct WriteBack {
    ListGenerator& owner;
    ParkMillerShuffleGenerator& generator;
    std::int32_t& seed;
    ~WriteBack() {
      owner.generator_ = generator;
      owner.working_seed_ = seed;
    }
  } write_back{*this, generator, seed};
  while (total < n) {
    ++rejected;
    const std::int64_t d = IndexBelow(generator.Next(seed), drawable);
    std::int64_t size = r * (base + d);
    if (total + size > n) {
      size = n - total;
      sizes.push_back(static_cast<std::int32_t>(size));
      total = n;
      rejected = 0;
    } else if (n - total - size >= v_min) {
      sizes.push_back(static_cast<std::int32_t>(size));
      total += size;
      rejected = 0;
    }
    if (rejected > kMaxRejectedDraws) {
      return std::nullopt;
    }
  }
  return sizes;
}

const ListGenerator::BlockQuotas& ListGenerator::QuotasFor(std::int32_t block_size) {
  if (quotas_.empty()) {
    quotas_.resize(kQuotaSlots + 1);
  }
  BlockQuotas& slot =
      quotas_[static_cast<std::size_t>(block_size < kQuotaSlots ? block_size : kQuotaSlots)];
  if (slot.block_size != block_size) {
    slot.block_size = block_size;
    slot.quotas.clear();
    const std::int64_t size = block_size;
    const auto with_quota =
        std::partition_point(arms_by_ratio_.begin(), arms_by_ratio_.end(),
                             [&](std::int32_t arm) { return size * Ratio(arm) >= ratio_sum_; });
    for (auto arm = arms_by_ratio_.begin(); arm != with_quota; ++arm) {
      slot.quotas.push_back({*arm, size * Ratio(*arm) / ratio_sum_});
    }
    // Each of these arms has a quota of at least 1 within the block, so there are at most
    // block_size of them; they are drawn in arm order.
    std::sort(slot.quotas.begin(), slot.quotas.end(),
              [](const ArmQuota& a, const ArmQuota& b) { return a.arm < b.arm; });
    std::int64_t total = 0;
    for (const ArmQuota& arm_quota : slot.quotas) {
      total += arm_quota.quota;
    }
    // floor(u * B) never reaches the positions beyond floor(kLargestOutput * B): in a
    // block of more than 2^23 patients the drawn arms could then never be placed.
    slot.fillable = total <= IndexBelow(kLargestOutput, block_size) + 1;
  }
  return slot;
}

bool ListGenerator::FillBlocks(const std::vector<std::int32_t>& block_sizes, std::int32_t n,
                               ListConsumer& consumer) {
  // The generator's table and the working seed live in locals while the blocks are
  // filled: stores of arms could otherwise alias them, costing a reload every draw.
  ParkMillerShuffleGenerator generator = generator_;
  std::int32_t seed = working_seed_;
  const auto last_arm = static_cast<std::int32_t>(ratios_.size());
  const std::span<const std::int32_t> sizes(block_sizes);
  std::size_t part_first_block = 0;
  std::int64_t part_first_position = 0;
  std::size_t part_size = 0;  // arms in part_arms_ that belong to the part
  std::int64_t pos = 0;
  auto hand_on = [&](std::size_t end_block) {
    if (part_size > 0) {
      consumer.Blocks(static_cast<std::int32_t>(part_first_position + 1),
                      std::span<const std::int32_t>(part_arms_.data(), part_size),
                      sizes.subspan(part_first_block, end_block - part_first_block));
    }
    part_size = 0;
    part_first_block = end_block;
    part_first_position = pos;
  };

  // One block: rejection sampling, one draw per attempt, arm by arm; the positions left
  // over get the last arm. A draw that hits a taken position only costs a draw, without
  // a branch that would be mispredicted half the time.
  auto fill_block = [&](std::int32_t* first, std::int32_t block, const BlockQuotas& quotas) {
    const double size = block;
    const bool exact_in_double = block < (1 << 29);
    for (const ArmQuota& arm_quota : quotas.quotas) {
      const std::int32_t arm = arm_quota.arm;
      for (std::int64_t left = arm_quota.quota; left > 0;) {
        // floor(u * B): the double product is exact below 2^29.
        const float u = generator.Next(seed);
        const std::int64_t k =
            exact_in_double ? static_cast<std::int64_t>(u * size) : IndexBelow(u, block);
        const std::int32_t taken = first[k];
        const std::int32_t free = taken == 0 ? 1 : 0;
        first[k] = taken | (arm & -free);
        left -= free;
      }
    }
    for (std::int32_t k = 0; k < block; ++k) {
      first[k] = first[k] == 0 ? last_arm : first[k];
    }
  };

  bool filled = true;
  std::size_t b = 0;
  for (; b < sizes.size(); ++b) {
    const std::int32_t block = sizes[b];
    if (block <= 0) {
      break;
    }
    if (pos + block > n) {
      filled = false;
      break;
    }
    const BlockQuotas& quotas = block < kQuotaSlots &&
                                        static_cast<std::size_t>(block) < quotas_.size() &&
                                        quotas_[static_cast<std::size_t>(block)].block_size == block
                                    ? quotas_[static_cast<std::size_t>(block)]
                                    : QuotasFor(block);
    if (!quotas.fillable) {
      filled = false;
      break;
    }
    if (part_size + static_cast<std::size_t>(block) > part_arms_.size()) {
      part_arms_.resize(std::max(part_size + static_cast<std::size_t>(block), kPartPatients * 2));
    }
    std::int32_t* const first = part_arms_.data() + part_size;
    std::fill_n(first, block, 0);
    fill_block(first, block, quotas);
    part_size += static_cast<std::size_t>(block);
    pos += block;
    if (part_size >= kPartPatients) {
      hand_on(b + 1);
    }
  }
  hand_on(b);
  generator_ = generator;
  working_seed_ = seed;
  return filled;
}

}  // namespace zufora
