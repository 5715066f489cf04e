#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "design/MessageSink.h"
#include "design/StudyDesign.h"
#include "lang/MessageCatalogue.h"
#include "random/ListConsumer.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/RandomizationList.h"

namespace zufora {

// One press of "Generieren": reads and checks the design (updating its checked
// numbers), asks the misfit questions, draws the block sizes and fills the blocks from
// the design's seed, in a fixed order of draws, so that the same design and seed always
// give the same lists. Messages, questions and page switches go to the sink, their
// texts read from the catalogue at that moment.
//
// Designs that cannot be drawn are refused before anything is drawn: an arm count
// below 1 or above kMaxArms, negative ratios or a ratio sum of 0, a fixed block size
// below 1, a minimum block size below the ratio sum (also when its question was
// answered No), negative sample or centre sizes, more patients than kMaxPatients in
// all lists together, a centre count below 0 or above kMaxCentres, and a list text that
// could grow beyond kMaxListTextBytes (patients times the longest allocation line).
// A block whose drawn arms need positions that no draw can reach (possible only in
// blocks beyond 2^23 patients whose last arm has ratio 0) ends the filling with
// MessageInvalidParameter instead of drawing forever.
class ListGenerator {
 public:
  // How a generation ended; the lists themselves went to the consumer.
  struct Outcome {
    bool complete = false;           // as GenerationResult::complete
    bool leaves_list_empty = false;  // as GenerationResult::leaves_list_empty
    CheckedNumbers checked;          // as GenerationResult::checked
    std::vector<Page> page_switches;  // as GenerationResult::page_switches
  };

  ListGenerator(const StudyDesign& design, const MessageCatalogue& messages, MessageSink& sink,
                ParkMillerShuffleGenerator& generator);

  GenerationResult Generate();
  // The same generation, handing each list to `consumer` while it is drawn, in parts of
  // whole blocks: nothing of a list is kept beyond its block sizes and the blocks of one
  // part, so that memory does not grow with the patients.
  Outcome Generate(ListConsumer& consumer);

 private:
  Outcome Draw(ListConsumer& consumer);
  // The steps of a generation; each reports its own failure.
  bool ReadAndCheckDesign();
  bool CheckListDesign(std::int32_t n);
  std::optional<std::vector<std::int32_t>> DrawBlockSizes(std::int32_t n);
  // The arm of each of the n positions, block by block, handed to `consumer` in parts of
  // whole blocks; false after MessageInvalidParameter when a block would reach beyond
  // the list or could not be filled.
  bool FillBlocks(const std::vector<std::int32_t>& block_sizes, std::int32_t n,
                  ListConsumer& consumer);
  struct ArmQuota {
    std::int32_t arm;
    std::int64_t quota;
  };
  // The arms that get a place in a block of one size, in arm order.
  struct BlockQuotas {
    std::int32_t block_size = -1;  // -1: not computed yet
    std::vector<ArmQuota> quotas;
    bool fillable = true;  // false when some draw would have to reach beyond 2^23 places
  };

  std::optional<std::int64_t> ReadRatios(std::int32_t arm_count);
  bool AskAbandon(const std::string& text, Page page);
  void Notice(const std::string& text, Page page);
  bool DrawList(RandomizationList& list, ListConsumer& consumer);
  // Whether the allocation lines of that many patients stay within kMaxListTextBytes
  // with the longest arm description; MessagePatientCount otherwise.
  bool TextFitsTheLimit(std::int64_t patients);
  const BlockQuotas& QuotasFor(std::int32_t block_size);
  std::int64_t Ratio(std::int32_t arm) const { return ratios_[static_cast<std::size_t>(arm - 1)]; }

  void SwitchPage(Page page) { page_switches_.push_back(page); }

  const StudyDesign& design_;
  const MessageCatalogue& messages_;
  MessageSink& sink_;
  ParkMillerShuffleGenerator& generator_;

  // Working values of the generation.
  CheckedNumbers checked_;
  std::vector<Page> page_switches_;
  std::int32_t working_seed_ = 0;
  std::int32_t shown_seed_ = 0;
  std::vector<std::int32_t> ratios_;
  std::int64_t ratio_sum_ = 0;
  std::int32_t ratios_arm_count_ = -1;       // the arm count ratios_ was read for
  std::vector<std::int32_t> arms_by_ratio_;  // drawn arms with ratio > 0, largest first
  std::int32_t fixed_block_size_ = 0;
  std::int32_t min_block_size_ = 0;
  std::int32_t max_block_size_ = 0;
  std::int32_t centre_count_ = 0;

  // Quotas by block size, computed once per size: small sizes each in their own slot
  // (variable blocks alternate between a few), larger ones in the last slot.
  std::vector<BlockQuotas> quotas_;

  // The arms of the blocks not yet handed to the consumer.
  std::vector<std::int32_t> part_arms_;
};

// Convenience for callers that need only the result.
GenerationResult GenerateLists(const StudyDesign& design, const MessageCatalogue& messages,
                               MessageSink& sink, ParkMillerShuffleGenerator& generator);

}  // namespace zufora
