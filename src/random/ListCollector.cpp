#include "random/ListCollector.h"

#include <algorithm>
#include <vector>

namespace zufora {

void ListCollector::Title(const std::string& study_name) {
  lists_.study_name = study_name;
  lists_.leaves_list_empty = false;
}

void ListCollector::BeginList(const RandomizationList& list) {
  lists_.lists.push_back(list);
  lists_.lists.back().arms.reserve(static_cast<std::size_t>(std::max(list.planned_patients, 0)));
}

void ListCollector::Blocks(std::int32_t, std::span<const std::int32_t> arms,
                           std::span<const std::int32_t>) {
  std::vector<std::int32_t>& kept = lists_.lists.back().arms;
  kept.insert(kept.end(), arms.begin(), arms.end());
}

void ReplayLists(const DrawnLists& lists, ListConsumer& consumer) {
  if (lists.leaves_list_empty) {
    return;
  }
  consumer.Title(lists.study_name);
  for (const RandomizationList& list : lists.lists) {
    consumer.BeginList(list);
    // The blocks whose arms are all there.
    std::size_t blocks = 0;
    std::size_t covered = 0;
    while (blocks < list.block_sizes.size() && list.block_sizes[blocks] > 0 &&
           covered + static_cast<std::size_t>(list.block_sizes[blocks]) <= list.arms.size()) {
      covered += static_cast<std::size_t>(list.block_sizes[blocks]);
      ++blocks;
    }
    if (covered > 0) {
      consumer.Blocks(1, std::span<const std::int32_t>(list.arms.data(), covered),
                      std::span<const std::int32_t>(list.block_sizes.data(), blocks));
    }
  }
}

}  // namespace zufora
