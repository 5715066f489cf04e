#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "evidence/AllocationRows.h"
#include "evidence/CsvRows.h"
#include "random/ListTextSink.h"

namespace zufora {

// One column of an allocation table: its name in the header row and its cell in each row.
class TableColumn {
 public:
  virtual ~TableColumn() = default;
  // The header field, written as it stands (names need no quoting).
  virtual std::string Name() const = 0;
  // Appends the row's cell, quoted where CSV needs it, to the row being written.
  virtual void WriteCell(const AllocationRow& row, CsvRows& rows) = 0;
};

// A table for data capture: a header row of the columns' names, then one row per
// patient in list order, each the columns' cells; CSV (CsvRows), cp1252 like every text
// of the design (the caller converts). Call Finish once the generation has ended.
class AllocationTable : public AllocationRowSink {
 public:
  AllocationTable(std::vector<std::unique_ptr<TableColumn>> columns, ListTextSink& sink);

  void Row(const AllocationRow& row) override;
  void Finish() { rows_.Finish(); }
  // The rows written below the header.
  std::int64_t Rows() const { return row_count_; }
  // The header row without its line end.
  const std::string& Header() const { return header_; }

 private:
  std::vector<std::unique_ptr<TableColumn>> columns_;
  CsvRows rows_;
  std::string header_;
  std::int64_t row_count_ = 0;
};

}  // namespace zufora
