#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "random/ListCollector.h"
#include "random/ListGenerator.h"
#include "random/ListPlan.h"

namespace zufora::testing {

// A plan of the study's single list, drawn from the study seed, in fixed blocks of 1
// until SetFixed or SetVariable says otherwise.
inline ListPlan SinglePlan(std::vector<std::int64_t> ratios, std::int32_t patients,
                           std::int32_t seed) {
  ListPlan plan;
  plan.seed = SeedOf(seed);
  plan.ratios = std::move(ratios);
  plan.fixed_block_size = 1;
  plan.lists = {{std::nullopt, patients}};
  return plan;
}

// A plan of centre lists 1, 2, ... of the given sizes, each with a seed of its own.
inline ListPlan CentrePlan(std::vector<std::int64_t> ratios, const std::vector<std::int32_t>& sizes,
                           std::int32_t seed) {
  ListPlan plan = SinglePlan(std::move(ratios), 0, seed);
  plan.seeds = ListSeeds::kDrawnPerList;
  plan.lists.clear();
  for (std::size_t c = 0; c < sizes.size(); ++c) {
    plan.lists.push_back({static_cast<std::int32_t>(c + 1), sizes[c]});
  }
  return plan;
}

inline void SetFixed(ListPlan& plan, std::int32_t size) {
  plan.block_mode = BlockSizeMode::Fixed;
  plan.fixed_block_size = size;
}

inline void SetVariable(ListPlan& plan, std::int32_t minimum, std::int32_t maximum) {
  plan.block_mode = BlockSizeMode::Variable;
  plan.min_block_size = minimum;
  plan.max_block_size = maximum;
}

// Keeps the problems of a drawing in order.
class ProblemLog : public DrawProblemSink {
 public:
  void Report(DrawProblem problem) override { problems.push_back(problem); }
  std::vector<DrawProblem> problems;
};

struct DrawnPlan {
  DrawnLists lists;
  bool complete = false;
  std::vector<DrawProblem> problems;
};

// The plan's lists kept whole under the title `study_name`, as a generation hands them on.
inline DrawnPlan DrawPlan(const ListPlan& plan, ParkMillerShuffleGenerator& generator,
                          const std::string& study_name = "Studie") {
  DrawnPlan drawn;
  ListCollector collector(drawn.lists);
  ProblemLog log;
  collector.Title(study_name);
  drawn.complete = ListGenerator(generator).Draw(plan, collector, log);
  drawn.problems = log.problems;
  return drawn;
}

inline DrawnPlan DrawPlan(const ListPlan& plan) {
  ParkMillerShuffleGenerator generator;
  return DrawPlan(plan, generator);
}

}  // namespace zufora::testing
