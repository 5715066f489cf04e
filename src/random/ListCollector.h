#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "random/ListConsumer.h"
#include "random/RandomizationList.h"

namespace zufora {

// Keeps every list of a generation whole, arms included. Until Title comes the lists
// leave the list field empty.
class ListCollector : public ListConsumer {
 public:
  explicit ListCollector(DrawnLists& lists) : lists_(lists) { lists_.leaves_list_empty = true; }

  void Title(const std::string& study_name) override;
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

 private:
  DrawnLists& lists_;
};

// Hands lists kept whole to `consumer` as the generation handed them on: the title
// (unless the list field stays empty), then each list with its whole blocks.
void ReplayLists(const DrawnLists& lists, ListConsumer& consumer);

}  // namespace zufora
