#include "random/ListGenerator.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <span>

#include "design/Limits.h"
#include "lang/FixedMessages.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

// Consecutive rejected block size draws after which a design counts as undrawable.
constexpr int kMaxRejectedDraws = 1000;

// Blocks go to the consumer in parts of about this many patients.
constexpr std::size_t kPartPatients = 4096;

// Block sizes below this keep their quotas in a slot of their own.
constexpr std::int32_t kQuotaSlots = 256;

// Keeps every list of a generation whole, allocations included.
class ResultCollector : public ListConsumer {
 public:
  explicit ResultCollector(GenerationResult& result) : result_(result) {}

  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override { result_.lists.push_back(list); }
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override {
    std::vector<Allocation>& allocations = result_.lists.back().allocations;
    const std::size_t start = allocations.size();
    allocations.resize(start + arms.size());
    std::size_t i = 0;
    for (const std::int32_t block : block_sizes) {
      for (std::int32_t k = 0; k < block; ++k, ++i) {
        allocations[start + i] =
            Allocation{first_patient + static_cast<std::int32_t>(i), arms[i], k == block - 1};
      }
    }
  }

 private:
  GenerationResult& result_;
};

}  // namespace

ListGenerator::ListGenerator(const StudyDesign& design, const MessageCatalogue& messages,
                             MessageSink& sink, ParkMillerShuffleGenerator& generator)
    : design_(design),
      messages_(messages),
      sink_(sink),
      generator_(generator),
      checked_(design.checked) {}

GenerationResult ListGenerator::Generate() {
  GenerationResult result;
  ResultCollector collector(result);
  const Outcome outcome = Generate(collector);
  result.study_name = design_.study_name;
  result.complete = outcome.complete;
  result.leaves_list_empty = outcome.leaves_list_empty;
  result.checked = checked_;
  result.page_switches = page_switches_;
  return result;
}

ListGenerator::Outcome ListGenerator::Generate(ListConsumer& consumer) {
  Outcome outcome = Draw(consumer);
  outcome.checked = checked_;
  outcome.page_switches = page_switches_;
  return outcome;
}

ListGenerator::Outcome ListGenerator::Draw(ListConsumer& consumer) {
  Outcome outcome;
  if (!ReadAndCheckDesign()) {
    consumer.Title(design_.study_name);
    return outcome;
  }
  if (!design_.per_centre_lists) {
    consumer.Title(design_.study_name);
    RandomizationList list;
    list.seed = shown_seed_;
    list.planned_patients = checked_.sample_size;
    outcome.complete = DrawList(list, consumer);
    return outcome;
  }

  if (centre_count_ == 0) {
    sink_.ShowPlain(FixedMessages::InternalError61());
    outcome.leaves_list_empty = true;
    return outcome;
  }
  // All centre seeds come first, drawn from the study seed in centre order.
  std::vector<std::int32_t> centre_seeds(static_cast<std::size_t>(centre_count_));
  for (std::int32_t& centre_seed : centre_seeds) {
    centre_seed = static_cast<std::int32_t>(-ScaleToSeedRange(generator_.Next(working_seed_)));
  }
  // The sizes were read by the checks already; a size that could not be read now would
  // leave the list field empty, so none of the text may have gone out before.
  std::vector<std::int32_t> centre_sizes;
  centre_sizes.reserve(centre_seeds.size());
  for (std::int32_t c = 1; c <= centre_count_; ++c) {
    const auto n = ParseIntegerText(design_.centres.Cell(kCentreSampleSizeColumn, c));
    if (!n) {
      sink_.ShowPlain(messages_.Text(Message::MessageCenterPatientCount));
      outcome.leaves_list_empty = true;
      return outcome;
    }
    centre_sizes.push_back(*n);
  }
  consumer.Title(design_.study_name);
  bool complete = true;
  for (std::int32_t c = 1; c <= centre_count_; ++c) {
    RandomizationList list;
    list.centre = c;
    working_seed_ = centre_seeds[static_cast<std::size_t>(c - 1)];
    list.seed = -working_seed_;
    list.planned_patients = centre_sizes[static_cast<std::size_t>(c - 1)];
    complete = DrawList(list, consumer) && complete;
  }
  outcome.complete = complete;
  return outcome;
}

bool ListGenerator::DrawList(RandomizationList& list, ListConsumer& consumer) {
  auto block_sizes = DrawBlockSizes(list.planned_patients);
  if (!block_sizes) {
    consumer.BeginList(list);
    return false;
  }
  list.block_sizes = *std::move(block_sizes);
  consumer.BeginList(list);
  return FillBlocks(list.block_sizes, list.planned_patients, consumer);
}

std::optional<std::int64_t> ListGenerator::ReadRatios(std::int32_t arm_count) {
  // Nothing changes the cells while a generation runs: rows read once for this arm
  // count need not be read again for every centre.
  if (arm_count == ratios_arm_count_) {
    return ratio_sum_;
  }
  ratios_arm_count_ = -1;
  quotas_.clear();
  ratios_.clear();
  std::int64_t sum = 0;
  for (std::int32_t row = 1; row <= arm_count; ++row) {
    const auto ratio = ParseIntegerText(design_.arms.Cell(kArmRatioColumn, row));
    if (!ratio || *ratio < 0) {
      sink_.ShowPlain(messages_.Text(Message::MessageValidRatio));
      return std::nullopt;
    }
    ratios_.push_back(*ratio);
    sum += *ratio;
  }
  ratios_arm_count_ = arm_count;
  ratio_sum_ = sum;
  // The drawn arms (all but the last) with a ratio above 0, largest ratio first: the
  // arms with a quota in a block of size B are those with B * ratio >= R, a prefix.
  arms_by_ratio_.clear();
  for (std::int32_t arm = 1; arm < arm_count; ++arm) {
    if (ratios_[static_cast<std::size_t>(arm - 1)] > 0) {
      arms_by_ratio_.push_back(arm);
    }
  }
  std::stable_sort(arms_by_ratio_.begin(), arms_by_ratio_.end(),
                   [this](std::int32_t a, std::int32_t b) { return Ratio(a) > Ratio(b); });
  return sum;
}

bool ListGenerator::ReadAndCheckDesign() {
  const auto seed = ParseIntegerText(design_.seed);
  if (!seed) {
    sink_.ShowPlain(messages_.ValidNumberMessage());
    return false;
  }
  // -(-2^31) does not exist: that seed stays as it is, as state word and as shown.
  shown_seed_ = *seed == INT32_MIN ? INT32_MIN : std::abs(*seed);
  working_seed_ = *seed == INT32_MIN ? INT32_MIN : -shown_seed_;

  if (!ReadRatios(checked_.arm_count)) {
    return false;
  }

  if (design_.block_mode == BlockSizeMode::Fixed) {
    const auto fixed = ParseIntegerText(design_.fixed_block_size);
    if (!fixed || *fixed < 1) {
      sink_.ShowPlain(messages_.Text(Message::MessageValidBlockSize));
      return false;
    }
    fixed_block_size_ = *fixed;
  } else {
    const auto minimum = ParseIntegerText(design_.min_block_size);
    const auto maximum = minimum ? ParseIntegerText(design_.max_block_size) : std::nullopt;
    if (!minimum || !maximum) {
      sink_.ShowPlain(messages_.Text(Message::MessageValidBlockSize));
      return false;
    }
    min_block_size_ = *minimum;
    max_block_size_ = *maximum;
  }

  if (!CheckListDesign(checked_.sample_size)) {
    return false;
  }
  if (!design_.per_centre_lists) {
    return TextFitsTheLimit(checked_.sample_size);
  }

  const auto centres = ParseIntegerText(design_.centre_count);
  if (!centres || *centres < 0 || *centres > kMaxCentres) {
    sink_.ShowPlain(messages_.Text(Message::MessageCenterCount));
    return false;
  }
  centre_count_ = *centres;
  checked_.centre_count = centre_count_;

  std::int64_t patients = 0;
  for (std::int32_t c = 1; c <= centre_count_; ++c) {
    const auto n = ParseIntegerText(design_.centres.Cell(kCentreSampleSizeColumn, c));
    if (!n || *n < 0) {
      sink_.ShowPlain(messages_.Text(Message::MessageCenterPatientCount));
      return false;
    }
    patients += *n;
    if (patients > kMaxPatients) {
      sink_.ShowPlain(messages_.Text(Message::MessagePatientCount));
      return false;
    }
    if (!CheckListDesign(*n)) {
      return false;
    }
  }
  return TextFitsTheLimit(patients);
}

bool ListGenerator::TextFitsTheLimit(std::int64_t patients) {
  // An allocation line: patient number (at most 10 digits), TAB, arm number (at most 5),
  // TAB, the arm's description, LF.
  std::size_t longest_description = 0;
  for (std::int32_t arm = 1; arm <= static_cast<std::int32_t>(ratios_.size()); ++arm) {
    longest_description =
        std::max(longest_description, design_.arms.Cell(kArmDescriptionColumn, arm).size());
  }
  const auto line = static_cast<std::int64_t>(18 + longest_description);
  if (patients > kMaxListTextBytes / line) {
    sink_.ShowPlain(messages_.Text(Message::MessagePatientCount));
    return false;
  }
  return true;
}

bool ListGenerator::AskAbandon(const std::string& text, Page page) {
  if (!sink_.AskQuestion(text)) {
    return false;
  }
  SwitchPage(page);
  return true;
}

void ListGenerator::Notice(const std::string& text, Page page) {
  sink_.ShowNotice(text);
  SwitchPage(page);
}

bool ListGenerator::CheckListDesign(std::int32_t n) {
  const auto arms = ParseIntegerText(design_.arm_count);
  if (!arms || *arms < 1 || *arms > kMaxArms) {
    sink_.ShowPlain(messages_.Text(Message::MessageArmCount));
    SwitchPage(Page::Design);
    return false;
  }
  const std::int32_t a = *arms;
  checked_.arm_count = a;

  // With per-centre lists the study's own number is never drawn: only the centres'
  // sizes count against the limit.
  const auto patients = ParseIntegerText(design_.sample_size);
  if (!patients || *patients < 0 || (!design_.per_centre_lists && *patients > kMaxPatients)) {
    sink_.ShowPlain(messages_.Text(Message::MessagePatientCount));
    SwitchPage(Page::Design);
    return false;
  }
  checked_.sample_size = *patients;

  if (a > *patients) {
    sink_.ShowPlain(messages_.Text(Message::MessageArmPatientCount));
    SwitchPage(Page::Design);
  }

  const auto ratio_sum = ReadRatios(a);
  if (!ratio_sum) {
    return false;
  }
  if (*ratio_sum == 0) {
    sink_.ShowPlain(messages_.Text(Message::MessageValidRatio));
    return false;
  }
  const std::int64_t r = *ratio_sum;
  const bool fixed = design_.block_mode == BlockSizeMode::Fixed;
  const std::int64_t f = fixed_block_size_;
  const std::int64_t v_min = min_block_size_;
  const std::int64_t v_max = max_block_size_;

  if (r != a) {
    if (n % r != 0 &&
        AskAbandon(messages_.Text(Message::MessageRatioSampleSize), Page::Arms)) {
      return false;
    }
    if (fixed) {
      if (f % r != 0 &&
          AskAbandon(messages_.Text(Message::MessageRatioSampleSize), Page::Arms)) {
        return false;
      }
      if (n % f != 0) {
        Notice(messages_.Text(Message::MessageRatioSampleSize2), Page::Blocks);
        return false;
      }
    } else {
      if (v_min >= v_max) {
        Notice(messages_.Text(Message::MessageBlockSize), Page::Blocks);
        return false;
      }
      if ((v_min < r || v_min % r > 0 || n / 2 < v_min) &&
          AskAbandon(messages_.Text(Message::MessageBlockSizeRatio), Page::Blocks)) {
        return false;
      }
    }
  } else {
    if (n % a != 0 && AskAbandon(FixedMessages::ArmsDoNotFitSampleSize(), Page::Arms)) {
      return false;
    }
    if (fixed) {
      if (f % a != 0 && AskAbandon(FixedMessages::ArmsDoNotFitBlockSize(), Page::Arms)) {
        return false;
      }
      if (n % f != 0) {
        Notice(FixedMessages::BlockSizeDoesNotFitPatients(), Page::Blocks);
        return false;
      }
    } else {
      if (v_min >= v_max) {
        Notice(FixedMessages::MinimumNotBelowMaximum(), Page::Blocks);
        return false;
      }
      if ((a > v_min || v_min % a > 0 || n / 2 < v_min) &&
          AskAbandon(FixedMessages::MinimumDoesNotFitArms(), Page::Blocks)) {
        return false;
      }
    }
  }
  // A minimum below the ratio sum, even when accepted, makes blocks of size 0 drawable,
  // and those would never fill the list.
  if (!fixed && v_min < r) {
    sink_.ShowPlain(messages_.Text(Message::MessageValidBlockSize));
    SwitchPage(Page::Blocks);
    return false;
  }
  return true;
}

std::optional<std::vector<std::int32_t>> ListGenerator::DrawBlockSizes(std::int32_t n) {
  std::vector<std::int32_t> sizes;
  if (n <= 0) {
    return sizes;
  }
  if (design_.block_mode == BlockSizeMode::Fixed) {
    // The checks guarantee that F divides n; should it not, the last block is cut so
    // that every position still belongs to a block.
    const std::int32_t f = fixed_block_size_;
    sizes.assign(static_cast<std::size_t>(n / f), f);
    if (n % f != 0) {
      sizes.push_back(n % f);
    }
    return sizes;
  }

  const std::int64_t r = ratio_sum_;
  const std::int64_t v_min = min_block_size_;
  const std::int64_t drawable = (max_block_size_ - v_min) / r + 1;
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
      sink_.ShowPlain(messages_.Text(Message::MessageBlockRestictions));
      return std::nullopt;
    }
  }
  return sizes;
}

const ListGenerator::BlockQuotas& ListGenerator::QuotasFor(std::int32_t block_size) {
  if (quotas_.empty()) {
    quotas_.resize(kQuotaSlots + 1);
  }
  BlockQuotas& slot = quotas_[static_cast<std::size_t>(
      block_size < kQuotaSlots ? block_size : kQuotaSlots)];
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
    const BlockQuotas& quotas =
        block < kQuotaSlots && static_cast<std::size_t>(block) < quotas_.size() &&
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
  if (!filled) {
    sink_.ShowPlain(messages_.Text(Message::MessageInvalidParameter));
  }
  return filled;
}

GenerationResult GenerateLists(const StudyDesign& design, const MessageCatalogue& messages,
                               MessageSink& sink, ParkMillerShuffleGenerator& generator) {
  return ListGenerator(design, messages, sink, generator).Generate();
}

}  // namespace zufora
