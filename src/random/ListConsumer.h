#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "random/RandomizationList.h"

namespace zufora {

// Receives a generation while it is drawn, so that a caller can write each list as it
// comes instead of keeping every allocation. The calls come in this order: Title once
// (not at all when the list field stays empty); then for each list BeginList, followed
// by Blocks for its consecutive whole blocks until the list is done.
class ListConsumer {
 public:
  virtual ~ListConsumer() = default;

  // The title line: the study name.
  virtual void Title(const std::string& study_name) = 0;
  // A list begins: its centre, seed, planned patients and block sizes (empty when they
  // could not be drawn); its allocations follow through Blocks.
  virtual void BeginList(const RandomizationList& list) = 0;
  // Whole consecutive blocks of the current list: the arm of each patient, from patient
  // number `first_patient` on, and the sizes of these blocks (they add up to arms.size()).
  virtual void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
                      std::span<const std::int32_t> block_sizes) = 0;
};

}  // namespace zufora
