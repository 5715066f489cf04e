#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "evidence/AllocationTable.h"

namespace zufora {

// The kinds of column that allocation tables are made of.

// A number of the row: patient, arm, block, ...
class NumberColumn : public TableColumn {
 public:
  using Value = std::int64_t (*)(const AllocationRow&);
  NumberColumn(std::string name, Value value) : name_(std::move(name)), value_(value) {}

  std::string Name() const override { return name_; }
  void WriteCell(const AllocationRow& row, CsvRows& rows) override {
    rows.AppendNumber(value_(row));
  }

 private:
  std::string name_;
  Value value_;
};

// A cell that is the same for every row of a list (the centre's number, its group id),
// made once per list by `make` as the CSV field to write.
class ListCellColumn : public TableColumn {
 public:
  using Make = std::function<std::string(std::optional<std::int32_t> centre)>;
  ListCellColumn(std::string name, Make make) : name_(std::move(name)), make_(std::move(make)) {}

  std::string Name() const override { return name_; }
  void WriteCell(const AllocationRow& row, CsvRows& rows) override;

 private:
  std::string name_;
  Make make_;
  bool made_ = false;
  std::optional<std::int32_t> centre_;
  std::string field_;
};

// A cell that is the same for every row of a stratum (a factor's level code), made once
// per stratum by `make` as the CSV field to write.
class StratumCellColumn : public TableColumn {
 public:
  using Make = std::function<std::string(const AllocationRow& row)>;
  StratumCellColumn(std::string name, Make make) : name_(std::move(name)), make_(std::move(make)) {}

  std::string Name() const override { return name_; }
  void WriteCell(const AllocationRow& row, CsvRows& rows) override;

 private:
  std::string name_;
  Make make_;
  std::int32_t stratum_ = 0;  // the stratum field_ was made for; 0 before the first
  std::string field_;
};

// A cell that depends on the row's arm only (its description, its code), made once per
// arm by `make` as the CSV field to write.
class ArmCellColumn : public TableColumn {
 public:
  using Make = std::function<std::string(std::int32_t arm)>;
  ArmCellColumn(std::string name, Make make) : name_(std::move(name)), make_(std::move(make)) {}

  std::string Name() const override { return name_; }
  void WriteCell(const AllocationRow& row, CsvRows& rows) override;

 private:
  std::string name_;
  Make make_;
  std::vector<std::optional<std::string>> fields_;  // by arm
};

// A cell made for every row by `make` (a number that a later stream gives each row).
class RowCellColumn : public TableColumn {
 public:
  using Make = std::function<std::string(const AllocationRow& row)>;
  RowCellColumn(std::string name, Make make) : name_(std::move(name)), make_(std::move(make)) {}

  std::string Name() const override { return name_; }
  void WriteCell(const AllocationRow& row, CsvRows& rows) override { rows.Append(make_(row)); }

 private:
  std::string name_;
  Make make_;
};

}  // namespace zufora
