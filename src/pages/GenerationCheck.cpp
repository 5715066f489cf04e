#include "pages/GenerationCheck.h"

#include <cstdint>

#include "design/Limits.h"
#include "lang/FixedMessages.h"
#include "pages/StrataCheck.h"
#include "random/ListTextBound.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

class GenerationCheck {
 public:
  GenerationCheck(const StudyDesign& design, const MessageCatalogue& messages, MessageSink& sink)
      : design_(design), messages_(messages), sink_(sink), checked_(design.checked) {}

  CheckedGeneration Run();

 private:
  // The seed, the ratios, the block sizes and the study's sample size, which every kind
  // of list shares.
  bool CheckStudy();
  // The lists of each kind, each list's size checked as CheckListSize does.
  std::optional<std::vector<PlannedList>> PlanSingleList();
  std::optional<std::vector<PlannedList>> PlanCentreLists();
  std::optional<std::vector<PlannedList>> PlanStrata();
  // A stratum length longer than the list it is cut from, or no number.
  void RefuseStratumLength();
  // The arm and patient counts, the ratio sum, and whether blocks fit a list of n.
  bool CheckListSize(std::int32_t n);
  bool AllocationLinesFit(std::int64_t patients);
  std::optional<std::int64_t> ReadRatios(std::int32_t arm_count);

  void Plain(Message message) { sink_.ShowPlain(messages_.Text(message)); }
  bool AskAbandon(const std::string& text, Page page);
  void Notice(const std::string& text, Page page);

  const StudyDesign& design_;
  const MessageCatalogue& messages_;
  MessageSink& sink_;

  CheckedNumbers checked_;
  std::vector<Page> page_switches_;
  ListPlan plan_;
  std::int64_t ratio_sum_ = 0;
  std::int32_t ratios_arm_count_ = -1;  // the arm count plan_.ratios was read for
};

CheckedGeneration GenerationCheck::Run() {
  CheckedGeneration result;
  std::optional<std::vector<PlannedList>> lists;
  if (CheckStudy()) {
    lists = Stratifies(design_)        ? PlanStrata()
            : design_.per_centre_lists ? PlanCentreLists()
                                       : PlanSingleList();
  }
  if (lists) {
    std::int64_t patients = 0;
    for (const PlannedList& list : *lists) {
      patients += list.patients;
    }
    if (!AllocationLinesFit(patients)) {
      lists.reset();
    }
  }
  if (lists && lists->empty()) {
    sink_.ShowPlain(FixedMessages::InternalError61());
    result.leaves_list_empty = true;
  } else if (lists) {
    plan_.seeds = design_.per_centre_lists || Stratifies(design_) ? ListSeeds::kDrawnPerList
                                                                  : ListSeeds::kStudySeed;
    plan_.lists = *std::move(lists);
    result.plan = std::move(plan_);
  }
  result.checked = checked_;
  result.page_switches = std::move(page_switches_);
  return result;
}

bool GenerationCheck::CheckStudy() {
  const auto seed = ParseIntegerText(design_.seed);
  if (!seed) {
    sink_.ShowPlain(messages_.ValidNumberMessage());
    return false;
  }
  plan_.seed = SeedOf(*seed);

  if (!ReadRatios(checked_.arm_count)) {
    return false;
  }

  plan_.block_mode = design_.block_mode;
  if (design_.block_mode == BlockSizeMode::Fixed) {
    const auto fixed = ParseIntegerText(design_.fixed_block_size);
    if (!fixed || *fixed < 1) {
      Plain(Message::MessageValidBlockSize);
      return false;
    }
    plan_.fixed_block_size = *fixed;
  } else {
    const auto minimum = ParseIntegerText(design_.min_block_size);
    const auto maximum = minimum ? ParseIntegerText(design_.max_block_size) : std::nullopt;
    if (!minimum || !maximum) {
      Plain(Message::MessageValidBlockSize);
      return false;
    }
    plan_.min_block_size = *minimum;
    plan_.max_block_size = *maximum;
  }
  // The sample size the design was last checked with; the field's own is read by the
  // check and becomes the checked number.
  return CheckListSize(checked_.sample_size);
}

std::optional<std::vector<PlannedList>> GenerationCheck::PlanSingleList() {
  return std::vector<PlannedList>{{std::nullopt, checked_.sample_size}};
}

std::optional<std::vector<PlannedList>> GenerationCheck::PlanCentreLists() {
  const auto centres = ParseIntegerText(design_.centre_count);
  if (!centres || *centres < 0 || *centres > kMaxCentres) {
    Plain(Message::MessageCenterCount);
    return std::nullopt;
  }
  checked_.centre_count = *centres;

  std::vector<PlannedList> lists;
  std::int64_t patients = 0;
  for (std::int32_t c = 1; c <= *centres; ++c) {
    const auto n = ParseIntegerText(design_.centres.Cell(kCentreSampleSizeColumn, c));
    if (!n || *n < 0) {
      Plain(Message::MessageCenterPatientCount);
      return std::nullopt;
    }
    patients += *n;
    if (patients > kMaxPatients) {
      Plain(Message::MessagePatientCount);
      return std::nullopt;
    }
    if (!CheckListSize(*n)) {
      return std::nullopt;
    }
    lists.push_back({c, *n});
  }
  return lists;
}

void GenerationCheck::RefuseStratumLength() {
  Plain(Message::MessageStratumLength);
  page_switches_.push_back(Page::Strata);
}

// The strata in stratum order: for each centre (or once, without centres) every
// combination of the factors' levels, the last factor's level changing fastest. Each
// list is as long as the stratum length field says, or else as its centre's (or the
// study's) planned size, and is checked as a centre's list is; with one length for all
// strata the checks run once for it.
std::optional<std::vector<PlannedList>> GenerationCheck::PlanStrata() {
  if (const std::optional<StrataProblem> problem = FindFactorProblem(design_.factors)) {
    sink_.ShowPlain(problem->Text(messages_));
    page_switches_.push_back(Page::Strata);
    return std::nullopt;
  }
  std::int32_t centre_count = 1;
  if (design_.per_centre_lists) {
    const auto centres = ParseIntegerText(design_.centre_count);
    if (!centres || *centres < 0 || *centres > kMaxCentres) {
      Plain(Message::MessageCenterCount);
      return std::nullopt;
    }
    checked_.centre_count = *centres;
    centre_count = *centres;
  }
  // At most kMaxStrata + 1 combinations and kMaxCentres centres: the product fits.
  const std::int64_t combinations = LevelCombinations(design_.factors, kMaxStrata);
  if (combinations * centre_count > kMaxStrata) {
    sink_.ShowPlain(messages_.Compose(Message::MessageStrataCount, {std::to_string(kMaxStrata)}));
    page_switches_.push_back(Page::Strata);
    return std::nullopt;
  }
  std::optional<std::int32_t> common_length;
  if (!design_.stratum_length.empty()) {
    common_length = ParseIntegerText(design_.stratum_length);
    if (!common_length || *common_length < 0) {
      RefuseStratumLength();
      return std::nullopt;
    }
  }

  std::vector<PlannedList> lists;
  lists.reserve(static_cast<std::size_t>(combinations * centre_count));
  std::int64_t patients = 0;
  // The strata of one centre (or of the study), each of `length` patients; false when
  // they are refused.
  auto add_strata = [&](std::optional<std::int32_t> centre, std::int32_t planned) {
    const std::int32_t length = common_length.value_or(planned);
    if (length > planned) {
      RefuseStratumLength();
      return false;
    }
    patients += combinations * length;
    if (patients > kMaxPatients) {
      Plain(Message::MessagePatientCount);
      return false;
    }
    // The study's own size has had its checks; a centre's size has its own.
    if (!common_length && centre && !CheckListSize(length)) {
      return false;
    }
    std::vector<std::int32_t> levels(design_.factors.size(), 0);
    do {
      lists.push_back({centre, length, static_cast<std::int32_t>(lists.size()) + 1, levels});
    } while (NextCombination(design_.factors, levels));
    return true;
  };
  if (!design_.per_centre_lists) {
    if (!add_strata(std::nullopt, checked_.sample_size)) {
      return std::nullopt;
    }
  }
  for (std::int32_t c = 1; design_.per_centre_lists && c <= centre_count; ++c) {
    const auto n = ParseIntegerText(design_.centres.Cell(kCentreSampleSizeColumn, c));
    if (!n || *n < 0) {
      Plain(Message::MessageCenterPatientCount);
      return std::nullopt;
    }
    if (!add_strata(c, *n)) {
      return std::nullopt;
    }
  }
  if (common_length && !(*common_length == checked_.sample_size && !design_.per_centre_lists) &&
      !CheckListSize(*common_length)) {
    return std::nullopt;
  }
  return lists;
}

std::optional<std::int64_t> GenerationCheck::ReadRatios(std::int32_t arm_count) {
  // Nothing changes the cells while the checks run: rows read once for this arm count
  // need not be read again for every centre.
  if (arm_count == ratios_arm_count_) {
    return ratio_sum_;
  }
  ratios_arm_count_ = -1;
  plan_.ratios.clear();
  std::int64_t sum = 0;
  for (std::int32_t row = 1; row <= arm_count; ++row) {
    const auto ratio = ParseIntegerText(design_.arms.Cell(kArmRatioColumn, row));
    if (!ratio || *ratio < 0) {
      Plain(Message::MessageValidRatio);
      return std::nullopt;
    }
    plan_.ratios.push_back(*ratio);
    sum += *ratio;
  }
  ratios_arm_count_ = arm_count;
  ratio_sum_ = sum;
  return sum;
}

bool GenerationCheck::AllocationLinesFit(std::int64_t patients) {
  const auto arm_count = static_cast<std::int32_t>(plan_.ratios.size());
  if (AllocationLinesBound(patients, design_.arms, arm_count) >
      static_cast<std::uint64_t>(kMaxListTextBytes)) {
    Plain(Message::MessagePatientCount);
    return false;
  }
  return true;
}

bool GenerationCheck::AskAbandon(const std::string& text, Page page) {
  if (!sink_.AskQuestion(text)) {
    return false;
  }
  page_switches_.push_back(page);
  return true;
}

void GenerationCheck::Notice(const std::string& text, Page page) {
  sink_.ShowNotice(text);
  page_switches_.push_back(page);
}

bool GenerationCheck::CheckListSize(std::int32_t n) {
  const auto arms = ParseIntegerText(design_.arm_count);
  if (!arms || *arms < 1 || *arms > kMaxArms) {
    Plain(Message::MessageArmCount);
    page_switches_.push_back(Page::Design);
    return false;
  }
  const std::int32_t a = *arms;
  checked_.arm_count = a;

  // With per-centre lists the study's own number is never drawn: only the centres'
  // sizes count against the limit.
  const auto patients = ParseIntegerText(design_.sample_size);
  if (!patients || *patients < 0 || (!design_.per_centre_lists && *patients > kMaxPatients)) {
    Plain(Message::MessagePatientCount);
    page_switches_.push_back(Page::Design);
    return false;
  }
  checked_.sample_size = *patients;

  if (a > *patients) {
    Plain(Message::MessageArmPatientCount);
    page_switches_.push_back(Page::Design);
  }

  const auto ratio_sum = ReadRatios(a);
  if (!ratio_sum) {
    return false;
  }
  if (*ratio_sum == 0) {
    Plain(Message::MessageValidRatio);
    return false;
  }
  const std::int64_t r = *ratio_sum;
  const bool fixed = design_.block_mode == BlockSizeMode::Fixed;
  const std::int64_t f = plan_.fixed_block_size;
  const std::int64_t v_min = plan_.min_block_size;
  const std::int64_t v_max = plan_.max_block_size;

  if (r != a) {
    if (n % r != 0 && AskAbandon(messages_.Text(Message::MessageRatioSampleSize), Page::Arms)) {
      return false;
    }
    if (fixed) {
      if (f % r != 0 && AskAbandon(messages_.Text(Message::MessageRatioSampleSize), Page::Arms)) {
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
    Plain(Message::MessageValidBlockSize);
    page_switches_.push_back(Page::Blocks);
    return false;
  }
  return true;
}

}  // namespace

CheckedGeneration CheckGeneration(const StudyDesign& design, const MessageCatalogue& messages,
                                  MessageSink& sink) {
  return GenerationCheck(design, messages, sink).Run();
}

}  // namespace zufora
