#include "pages/StrataEditor.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

#include "design/Limits.h"

namespace zufora {
namespace {

const std::string kEmpty;

std::string RowLabel(const std::string& word, std::size_t index) {
  return word + " " + std::to_string(index + 1);
}

// A field name "faktorN" that no factor has, N from `first` on.
std::string FreeFieldName(const std::vector<StratificationFactor>& factors, std::size_t first) {
  std::set<std::string> taken;
  for (const StratificationFactor& factor : factors) {
    std::string folded = factor.field;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    taken.insert(std::move(folded));
  }
  for (std::size_t n = first;; ++n) {
    std::string field = "faktor" + std::to_string(n);
    if (!taken.contains(field)) {
      return field;
    }
  }
}

// The smallest number code above every code of the factor that is a plain number.
std::string NextNumberCode(const std::vector<FactorLevel>& levels) {
  std::int64_t highest = 0;
  for (const FactorLevel& level : levels) {
    std::int64_t value = 0;
    const char* end = level.code.data() + level.code.size();
    const auto [stop, error] = std::from_chars(level.code.data(), end, value);
    if (error == std::errc() && stop == end && value > highest && value < INT32_MAX) {
      highest = value;
    }
  }
  return std::to_string(highest + 1);
}

// Swaps the item at `index` with its neighbour in `step` direction; the index follows.
template <typename Item>
bool MoveItem(std::vector<Item>& items, std::int32_t& index, int step) {
  const std::int32_t to = index + step;
  if (index < 0 || to < 0 || static_cast<std::size_t>(to) >= items.size()) {
    return false;
  }
  std::swap(items[static_cast<std::size_t>(index)], items[static_cast<std::size_t>(to)]);
  index = to;
  return true;
}

template <typename Item>
bool RemoveItem(std::vector<Item>& items, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
    return false;
  }
  items.erase(items.begin() + index);
  return true;
}

}  // namespace

const std::string& StrataEditor::FactorField(int column) const {
  return factor_ < 0 ? kEmpty : factor_grid_.Cell(column, FactorRow());
}

const std::string& StrataEditor::LevelField(int column) const {
  return level_ < 0 ? kEmpty : level_grid_.Cell(column, LevelRow());
}

void StrataEditor::Clamp(const std::vector<StratificationFactor>& factors) {
  const auto factor_count = static_cast<std::int32_t>(factors.size());
  factor_ = factor_count == 0 ? -1 : std::clamp(factor_, 0, factor_count - 1);
  const auto level_count =
      factor_ < 0
          ? 0
          : static_cast<std::int32_t>(factors[static_cast<std::size_t>(factor_)].levels.size());
  level_ = level_count == 0 ? -1 : std::clamp(level_, 0, level_count - 1);
}

void StrataEditor::Show(const std::vector<StratificationFactor>& factors,
                        const StrataCaptions& captions) {
  Clamp(factors);
  factor_grid_.SetRowCount(static_cast<std::int32_t>(factors.size()) + 1);
  for (int column = 0; column < kFactorColumns; ++column) {
    factor_grid_.SetCell(column, 0, captions.factor[static_cast<std::size_t>(column)]);
  }
  for (std::size_t f = 0; f < factors.size(); ++f) {
    const auto row = static_cast<std::int32_t>(f + 1);
    factor_grid_.SetCell(kFactorLabelColumn, row, RowLabel(captions.factor[0], f));
    factor_grid_.SetCell(kFactorNameColumn, row, factors[f].name);
    factor_grid_.SetCell(kFactorFieldColumn, row, factors[f].field);
  }

  static const std::vector<FactorLevel> kNoLevels;
  const std::vector<FactorLevel>& levels =
      factor_ < 0 ? kNoLevels : factors[static_cast<std::size_t>(factor_)].levels;
  level_grid_.SetRowCount(static_cast<std::int32_t>(levels.size()) + 1);
  for (int column = 0; column < kLevelColumns; ++column) {
    level_grid_.SetCell(column, 0, captions.level[static_cast<std::size_t>(column)]);
  }
  for (std::size_t l = 0; l < levels.size(); ++l) {
    const auto row = static_cast<std::int32_t>(l + 1);
    level_grid_.SetCell(kLevelLabelColumn, row, RowLabel(captions.level[0], l));
    level_grid_.SetCell(kLevelCodeColumn, row, levels[l].code);
    level_grid_.SetCell(kLevelTextColumn, row, levels[l].label);
  }
}

void StrataEditor::ShowNew(const std::vector<StratificationFactor>& factors,
                           const StrataCaptions& captions) {
  factor_ = 0;
  level_ = 0;
  Show(factors, captions);
}

bool StrataEditor::SelectFactor(std::int32_t row, const std::vector<StratificationFactor>& factors,
                                const StrataCaptions& captions) {
  if (row < 1 || static_cast<std::size_t>(row) > factors.size()) {
    return false;
  }
  if (row - 1 != factor_) {
    factor_ = row - 1;
    level_ = 0;
  }
  Show(factors, captions);
  return true;
}

bool StrataEditor::SelectLevel(std::int32_t row, const std::vector<StratificationFactor>& factors,
                               const StrataCaptions& captions) {
  if (factor_ < 0 || row < 1 ||
      static_cast<std::size_t>(row) > factors[static_cast<std::size_t>(factor_)].levels.size()) {
    return false;
  }
  level_ = row - 1;
  Show(factors, captions);
  return true;
}

bool StrataEditor::TypeFactor(int column, std::string text,
                              std::vector<StratificationFactor>& factors,
                              const StrataCaptions& captions) {
  if (factor_ < 0 || (column != kFactorNameColumn && column != kFactorFieldColumn)) {
    return false;
  }
  StratificationFactor& factor = factors[static_cast<std::size_t>(factor_)];
  (column == kFactorNameColumn ? factor.name : factor.field) = std::move(text);
  Show(factors, captions);
  return true;
}

bool StrataEditor::TypeLevel(int column, std::string text,
                             std::vector<StratificationFactor>& factors,
                             const StrataCaptions& captions) {
  if (level_ < 0 || (column != kLevelCodeColumn && column != kLevelTextColumn)) {
    return false;
  }
  FactorLevel& level =
      factors[static_cast<std::size_t>(factor_)].levels[static_cast<std::size_t>(level_)];
  (column == kLevelCodeColumn ? level.code : level.label) = std::move(text);
  Show(factors, captions);
  return true;
}

bool StrataEditor::EditFactors(RowEdit edit, std::vector<StratificationFactor>& factors,
                               const StrataCaptions& captions) {
  bool changed = false;
  switch (edit) {
    case RowEdit::Add:
      if (factors.size() < static_cast<std::size_t>(kMaxFactors)) {
        StratificationFactor factor;
        factor.name = RowLabel(captions.factor[0], factors.size());
        factor.field = FreeFieldName(factors, factors.size() + 1);
        for (std::size_t l = 0; l < 2; ++l) {
          factor.levels.push_back({std::to_string(l + 1), RowLabel(captions.level[0], l)});
        }
        factors.push_back(std::move(factor));
        factor_ = static_cast<std::int32_t>(factors.size()) - 1;
        level_ = 0;
        changed = true;
      }
      break;
    case RowEdit::Remove:
      changed = RemoveItem(factors, factor_);
      level_ = 0;
      break;
    case RowEdit::Up: changed = MoveItem(factors, factor_, -1); break;
    case RowEdit::Down: changed = MoveItem(factors, factor_, +1); break;
  }
  Show(factors, captions);
  return changed;
}

bool StrataEditor::EditLevels(RowEdit edit, std::vector<StratificationFactor>& factors,
                              const StrataCaptions& captions) {
  if (factor_ < 0) {
    return false;
  }
  std::vector<FactorLevel>& levels = factors[static_cast<std::size_t>(factor_)].levels;
  bool changed = false;
  switch (edit) {
    case RowEdit::Add:
      if (levels.size() < static_cast<std::size_t>(kMaxLevels)) {
        levels.push_back({NextNumberCode(levels), RowLabel(captions.level[0], levels.size())});
        level_ = static_cast<std::int32_t>(levels.size()) - 1;
        changed = true;
      }
      break;
    case RowEdit::Remove: changed = RemoveItem(levels, level_); break;
    case RowEdit::Up: changed = MoveItem(levels, level_, -1); break;
    case RowEdit::Down: changed = MoveItem(levels, level_, +1); break;
  }
  Show(factors, captions);
  return changed;
}

}  // namespace zufora
