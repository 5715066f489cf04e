// Design files: any bytes loaded as the program loads a design file; then the design is
// saved into that same file (as "Studiendesign speichern" does over an existing file)
// and loaded again, and every field must come back as it was wherever the format can
// hold it, the stratification factors and their levels included.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "design/StudyDesign.h"
#include "files/DesignFile.h"
#include "files/FileAccess.h"
#include "files/IniDocument.h"
#include "files/IniInteger.h"

namespace {

using namespace zufora;

const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

// A text that a key holds exactly: one line, no blanks at either end (they are dropped),
// not enclosed in a pair of quotes (they are removed), not cut.
bool Representable(std::string_view text) {
  if (text.size() > IniDocument::kMaxValueLength ||
      text.find_first_of("\r\n") != std::string_view::npos) {
    return false;
  }
  if (!text.empty() &&
      (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t')) {
    return false;
  }
  return !(text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
           text.back() == text.front());
}

void CheckText(const std::string& before, const std::string& after) {
  if (Representable(before)) {
    FUZZ_CHECK(after == before);
  }
}

void CheckTable(const TextGrid& before, const TextGrid& after, bool heading) {
  FUZZ_CHECK(after.RowCount() == before.RowCount());
  for (std::int32_t row = heading ? 0 : 1; row < before.RowCount(); ++row) {
    for (int column = 0; column < before.ColumnCount(); ++column) {
      CheckText(before.Cell(column, row), after.Cell(column, row));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxDesignFileSize) {
    return 0;
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  IniDocument file = IniDocument::Parse(bytes);
  // Large tables cost only time (their limits have tests of their own); keep each run short.
  constexpr std::int64_t kRowsTried = 256;
  if (GetIniInteger(file, "Arme", "Anzahl") > kRowsTried ||
      GetIniInteger(file, "Zentren", "Anzahl") > kRowsTried) {
    return 0;
  }

  StudyDesign loaded;
  if (ReadDesign(file, kHeadings, loaded)) {
    return 0;
  }
  // Saving writes the design into the file it came from, keeping everything else.
  WriteDesign(loaded, file);
  const std::string saved = file.Serialize();
  FUZZ_CHECK(IniDocument::Parse(saved).Serialize() == saved);  // a saved text is stable

  StudyDesign again;
  FUZZ_CHECK(!ReadDesign(IniDocument::Parse(saved), kHeadings, again));
  CheckText(loaded.study_name, again.study_name);
  CheckText(loaded.arm_count, again.arm_count);
  CheckText(loaded.sample_size, again.sample_size);
  FUZZ_CHECK(loaded.per_centre_lists == again.per_centre_lists);
  CheckText(loaded.centre_count, again.centre_count);
  CheckTable(loaded.arms, again.arms, false);
  CheckTable(loaded.centres, again.centres, true);
  FUZZ_CHECK(loaded.block_mode == again.block_mode);
  CheckText(loaded.fixed_block_size, again.fixed_block_size);
  CheckText(loaded.min_block_size, again.min_block_size);
  CheckText(loaded.max_block_size, again.max_block_size);
  CheckText(loaded.seed, again.seed);
  FUZZ_CHECK(loaded.stratified == again.stratified);
  CheckText(loaded.stratum_length, again.stratum_length);
  FUZZ_CHECK(loaded.factors.size() == again.factors.size());
  for (std::size_t f = 0; f < loaded.factors.size(); ++f) {
    const StratificationFactor& before = loaded.factors[f];
    const StratificationFactor& after = again.factors[f];
    CheckText(before.name, after.name);
    CheckText(before.field, after.field);
    FUZZ_CHECK(before.levels.size() == after.levels.size());
    for (std::size_t l = 0; l < before.levels.size(); ++l) {
      CheckText(before.levels[l].code, after.levels[l].code);
      CheckText(before.levels[l].label, after.levels[l].label);
    }
  }
  return 0;
}
