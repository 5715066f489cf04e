#include "files/DesignFile.h"

#include <cstdint>
#include <string_view>

#include "design/Limits.h"
#include "files/IniInteger.h"

namespace zufora {
namespace {

constexpr std::string_view kDesign = "Design";
constexpr std::string_view kArme = "Arme";
constexpr std::string_view kZentren = "Zentren";
constexpr std::string_view kBloecke = "Bloecke";
constexpr std::string_view kZufall = "Zufall";
constexpr std::string_view kStrata = "Strata";
constexpr std::string_view kAnzahl = "Anzahl";

// Row keys in column order: Bez, Beschr, Ratio of an arm; Bez, ID, Beschr, Fallzahl of a
// centre.
constexpr std::string_view kArmKeys[kArmColumns] = {"Bez", "Beschr", "Ratio"};
constexpr std::string_view kCentreKeys[kCentreColumns] = {"Bez", "ID", "Beschr", "Fallzahl"};

std::string RowKey(std::string_view name, std::int32_t row) {
  std::string key(name);
  key += std::to_string(row);
  return key;
}

std::string GetText(const IniDocument& file, std::string_view section, std::string_view key,
                    std::string_view fallback) {
  auto value = file.Get(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

void WriteTable(const TextGrid& table, std::string_view section, const std::string_view* keys,
                IniDocument& file) {
  const std::int32_t rows = table.RowCount() - 1;
  file.Set(section, kAnzahl, std::to_string(rows));
  for (std::int32_t r = 1; r <= rows; ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      file.Set(section, RowKey(keys[c], r), table.Cell(c, r));
    }
  }
}

void ReadTable(const IniDocument& file, std::string_view section, const std::string_view* keys,
               std::int32_t rows, TextGrid& table) {
  table.SetRowCount(rows + 1);
  for (std::int32_t r = 1; r <= rows; ++r) {
    for (int c = 0; c < table.ColumnCount(); ++c) {
      table.SetCell(c, r, GetText(file, section, RowKey(keys[c], r), ""));
    }
  }
}

// The number of data rows a table section asks for: a negative, missing or non-integer
// Anzahl gives none.
std::int64_t RowsOf(const IniDocument& file, std::string_view section) {
  const std::int64_t rows = GetIniInteger(file, section, kAnzahl);
  return rows < 0 ? 0 : rows;
}

// "Name3", "Code3_12": a key of factor f (from 1), or of its level l (from 1).
std::string FactorKey(std::string_view name, std::size_t f) {
  return RowKey(name, static_cast<std::int32_t>(f));
}
std::string LevelKey(std::string_view name, std::size_t f, std::size_t l) {
  return FactorKey(name, f) + "_" + std::to_string(l);
}

// The section is written when the design has something to keep in it, or when the file
// has it already (so that it follows a design that was stratified before).
void WriteStrata(const StudyDesign& design, IniDocument& file) {
  if (!design.stratified && design.factors.empty() && !file.Get(kStrata, "Aktiv") &&
      !file.Get(kStrata, kAnzahl)) {
    return;
  }
  file.Set(kStrata, "Aktiv", design.stratified ? "1" : "0");
  file.Set(kStrata, "Laenge", design.stratum_length);
  file.Set(kStrata, kAnzahl, std::to_string(design.factors.size()));
  for (std::size_t f = 1; f <= design.factors.size(); ++f) {
    const StratificationFactor& factor = design.factors[f - 1];
    file.Set(kStrata, FactorKey("Name", f), factor.name);
    file.Set(kStrata, FactorKey("Feld", f), factor.field);
    file.Set(kStrata, FactorKey("Stufen", f), std::to_string(factor.levels.size()));
    for (std::size_t l = 1; l <= factor.levels.size(); ++l) {
      file.Set(kStrata, LevelKey("Code", f, l), factor.levels[l - 1].code);
      file.Set(kStrata, LevelKey("Bez", f, l), factor.levels[l - 1].label);
    }
  }
}

DesignFileRefusal TooManyRows(const IniDocument& file, std::string_view section, Message message,
                              std::int32_t limit) {
  std::string value = file.Get(section, kAnzahl).value_or("");
  if (value.size() > 24) {
    value = value.substr(0, 24) + "...";
  }
  return DesignFileRefusal{message, {std::string(section), value, std::to_string(limit)}};
}

// The counts of the Strata section, each refused beyond its limit: the factors, then
// the levels of each.
std::optional<DesignFileRefusal> CountStrata(const IniDocument& file,
                                             std::vector<std::int32_t>& levels) {
  const std::int64_t factors = RowsOf(file, kStrata);
  if (factors > kMaxFactors) {
    return TooManyRows(file, kStrata, Message::MessageDesignFileTooManyFactors, kMaxFactors);
  }
  for (std::size_t f = 1; f <= static_cast<std::size_t>(factors); ++f) {
    const std::string key = FactorKey("Stufen", f);
    const std::int64_t count = GetIniInteger(file, kStrata, key);
    if (count > kMaxLevels) {
      std::string value = file.Get(kStrata, key).value_or("");
      if (value.size() > 24) {
        value = value.substr(0, 24) + "...";
      }
      return DesignFileRefusal{Message::MessageDesignFileTooManyLevels,
                               {std::string(kStrata), key, value, std::to_string(kMaxLevels)}};
    }
    levels.push_back(static_cast<std::int32_t>(count < 0 ? 0 : count));
  }
  return std::nullopt;
}

void ReadStrata(const IniDocument& file, const std::vector<std::int32_t>& levels,
                StudyDesign& design) {
  design.stratified = GetIniFlag(file, kStrata, "Aktiv");
  design.stratum_length = GetText(file, kStrata, "Laenge", "");
  design.factors.assign(levels.size(), StratificationFactor{});
  for (std::size_t f = 1; f <= levels.size(); ++f) {
    StratificationFactor& factor = design.factors[f - 1];
    factor.name = GetText(file, kStrata, FactorKey("Name", f), "");
    factor.field = GetText(file, kStrata, FactorKey("Feld", f), "");
    factor.levels.resize(static_cast<std::size_t>(levels[f - 1]));
    for (std::size_t l = 1; l <= factor.levels.size(); ++l) {
      factor.levels[l - 1].code = GetText(file, kStrata, LevelKey("Code", f, l), "");
      factor.levels[l - 1].label = GetText(file, kStrata, LevelKey("Bez", f, l), "");
    }
  }
}

}  // namespace

void WriteDesign(const StudyDesign& design, IniDocument& file) {
  file.Set(kDesign, "Name", design.study_name);
  file.Set(kDesign, "Arme", design.arm_count);
  file.Set(kDesign, "Fallzahl", design.sample_size);
  file.Set(kDesign, "Multicenter", design.per_centre_lists ? "1" : "0");
  file.Set(kDesign, "Zentren", design.centre_count);
  WriteTable(design.arms, kArme, kArmKeys, file);
  WriteTable(design.centres, kZentren, kCentreKeys, file);
  file.Set(kBloecke, "Fix", design.block_mode == BlockSizeMode::Fixed ? "1" : "0");
  file.Set(kBloecke, "Groesse", design.fixed_block_size);
  file.Set(kBloecke, "Von", design.min_block_size);
  file.Set(kBloecke, "Bis", design.max_block_size);
  file.Set(kZufall, "Seed", design.seed);
  WriteStrata(design, file);
}

std::optional<DesignFileRefusal> ReadDesign(const IniDocument& file, const CentreHeadings& headings,
                                            StudyDesign& design) {
  // Everything that can refuse the file is checked before the design is touched.
  const std::int64_t arm_rows = RowsOf(file, kArme);
  if (arm_rows > kMaxArms) {
    return TooManyRows(file, kArme, Message::MessageDesignFileTooManyArms, kMaxArms);
  }
  const std::int64_t centre_rows = RowsOf(file, kZentren);
  if (centre_rows > kMaxCentres) {
    return TooManyRows(file, kZentren, Message::MessageDesignFileTooManyCenters, kMaxCentres);
  }
  std::vector<std::int32_t> levels;
  if (auto refusal = CountStrata(file, levels)) {
    return refusal;
  }

  design.study_name = GetText(file, kDesign, "Name", "");
  design.arm_count = GetText(file, kDesign, "Arme", "3");
  design.sample_size = GetText(file, kDesign, "Fallzahl", "120");
  design.per_centre_lists = GetIniFlag(file, kDesign, "Multicenter");
  design.centre_count = GetText(file, kDesign, "Zentren", "");

  ReadTable(file, kArme, kArmKeys, static_cast<std::int32_t>(arm_rows), design.arms);
  ReadTable(file, kZentren, kCentreKeys, static_cast<std::int32_t>(centre_rows), design.centres);
  for (int c = 0; c < kCentreColumns; ++c) {
    design.centres.SetCell(c, 0, headings[static_cast<std::size_t>(c)]);
  }

  design.block_mode =
      GetIniFlag(file, kBloecke, "Fix") ? BlockSizeMode::Fixed : BlockSizeMode::Variable;
  design.fixed_block_size = GetText(file, kBloecke, "Groesse", "12");
  design.min_block_size = GetText(file, kBloecke, "Von", "");
  design.max_block_size = GetText(file, kBloecke, "Bis", "");

  design.seed = GetText(file, kZufall, "Seed", "");
  ReadStrata(file, levels, design);
  return std::nullopt;
}

}  // namespace zufora
