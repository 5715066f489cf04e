#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "random/ListConsumer.h"

namespace zufora {

// One patient of a list, as a table for data capture or statistics gives it a row. A
// table column reads what it needs from here, so a new column needs a field here at most.
struct AllocationRow {
  std::int64_t row = 0;                // from 1 over all lists of the table
  std::optional<std::int32_t> centre;  // the list's centre row; none for the single list
  // The list's stratum from 1 in stratum order; without factors the list's number in
  // order (the single list is 1, a centre's list its centre's place).
  std::int32_t stratum = 0;
  std::vector<std::int32_t> levels;  // the stratum's level index from 0 of each factor
  std::int32_t list_seed = 0;        // the seed that reproduces this row's list
  std::int64_t patient = 0;          // from 1 in each list
  std::int32_t arm = 0;              // 1..A
  std::int32_t block = 0;            // from 1 in each list
  std::int32_t block_size = 0;
  std::int32_t position = 0;  // from 1 in each block
};

// Takes the rows of a generation in list order: a table in some format.
class AllocationRowSink {
 public:
  virtual ~AllocationRowSink() = default;
  virtual void Row(const AllocationRow& row) = 0;
};

// Turns lists, while they are drawn, into one row per patient for `sink`.
class AllocationRows : public ListConsumer {
 public:
  explicit AllocationRows(AllocationRowSink& sink) : sink_(sink) {}

  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

 private:
  AllocationRowSink& sink_;
  AllocationRow row_;
  std::int64_t rows_ = 0;
  std::int32_t lists_ = 0;
};

}  // namespace zufora
