#include "evidence/KnownValues.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

#include "design/StudyDesign.h"
#include "evidence/Sha256.h"
#include "random/ListPlan.h"
#include "random/ListTextWriter.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora {
namespace {

using Fields = std::map<std::string, std::string>;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) {
      return parts;
    }
    start = end + 1;
  }
}

const std::string& Field(const Fields& fields, const std::string& key) {
  const auto found = fields.find(key);
  if (found == fields.end()) {
    throw std::invalid_argument("no " + key + "=");
  }
  return found->second;
}

StudyDesign Design(const Fields& fields) {
  StudyDesign design;
  design.study_name = "Selbsttest";
  const std::vector<std::string> ratios = Split(Field(fields, "arms"), ',');
  const auto arms = static_cast<std::int32_t>(ratios.size());
  design.arm_count = std::to_string(arms);
  design.sample_size = Field(fields, "patients");
  design.seed = Field(fields, "seed");
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmDescriptionColumn, r, "Arm " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, ratios[static_cast<std::size_t>(r - 1)]);
  }
  design.checked.arm_count = arms;
  design.checked.sample_size = std::stoi(design.sample_size);
  const std::vector<std::string> blocks = Split(Field(fields, "blocks"), ':');
  if (blocks[0] == "fixed" && blocks.size() == 2) {
    design.block_mode = BlockSizeMode::Fixed;
    design.fixed_block_size = blocks[1];
  } else if (blocks[0] == "variable" && blocks.size() == 3) {
    design.block_mode = BlockSizeMode::Variable;
    design.min_block_size = blocks[1];
    design.max_block_size = blocks[2];
  } else {
    throw std::invalid_argument("blocks= is fixed:F or variable:MIN:MAX");
  }
  if (const auto centres = fields.find("centres"); centres != fields.end()) {
    std::vector<std::string> sizes;
    if (const auto star = centres->second.find('*'); star != std::string::npos) {
      sizes.assign(static_cast<std::size_t>(std::stoi(centres->second.substr(0, star))),
                   centres->second.substr(star + 1));
    } else {
      sizes = Split(centres->second, ',');
    }
    const auto count = static_cast<std::int32_t>(sizes.size());
    design.per_centre_lists = true;
    design.centre_count = std::to_string(count);
    design.centres.SetRowCount(count + 1);
    for (std::int32_t c = 1; c <= count; ++c) {
      design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
      design.centres.SetCell(kCentreSampleSizeColumn, c, sizes[static_cast<std::size_t>(c - 1)]);
    }
    design.checked.centre_count = count;
  }
  return design;
}

// The lists as arms by patient: "|" after each block, "[seed]" before a centre's list.
class ArmPattern : public ListConsumer {
 public:
  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override {
    if (list.centre) {
      pattern += "[" + std::to_string(list.seed) + "]";
    }
  }
  void Blocks(std::int32_t, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override {
    std::size_t i = 0;
    for (const std::int32_t block : block_sizes) {
      for (std::int32_t k = 0; k < block; ++k, ++i) {
        pattern += std::to_string(arms[i]);
        pattern += k + 1 < block ? ',' : '|';
      }
    }
  }
  std::string pattern;
};

class HashSink : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override { hash.Add(whole_lines); }
  Sha256 hash;
};

std::string ListCheck(const Fields& fields, bool hashed, DesignDrawer& drawer) {
  const StudyDesign design = Design(fields);
  const bool accept_misfits = fields.count("misfits") > 0 && fields.at("misfits") == "accept";
  if (hashed) {
    HashSink hash;
    ListTextWriter writer(design, ListTextOptions{}, hash);
    drawer.Draw(design, accept_misfits, writer);
    writer.Finish();
    return hash.hash.HexDigest();
  }
  ArmPattern pattern;
  drawer.Draw(design, accept_misfits, pattern);
  return pattern.pattern;
}

std::string GeneratorCheck(const Fields& fields, std::size_t count) {
  ParkMillerShuffleGenerator generator;
  std::int32_t state = SeedOf(std::stoi(Field(fields, "seed"))).state_word;
  std::string values;
  for (std::size_t i = 0; i < count; ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10f", static_cast<double>(generator.Next(state)));
    values += (i > 0 ? "," : "") + std::string(text);
  }
  return values;
}

CheckResult Run(const std::string& line, DesignDrawer& drawer) {
  std::istringstream words(line);
  std::string kind;
  std::string name;
  words >> kind >> name;
  CheckResult result{kind + " " + name, "", "", false};
  Fields fields;
  for (std::string word; words >> word;) {
    const std::size_t equals = word.find('=');
    fields[word.substr(0, equals)] = equals == std::string::npos ? "" : word.substr(equals + 1);
  }
  try {
    if (kind == "generator") {
      result.expected = Field(fields, "expect");
      result.actual = GeneratorCheck(fields, Split(result.expected, ',').size());
    } else if (kind == "proposal") {
      result.expected = Field(fields, "expect");
      const std::int64_t clock = std::stoll(Field(fields, "clock"));
      ParkMillerShuffleGenerator generator;
      result.actual = ProposeSeed(generator, [clock] { return clock; });
    } else if (kind == "list") {
      const bool hashed = fields.count("sha256") > 0;
      result.expected = Field(fields, hashed ? "sha256" : "expect");
      result.actual = ListCheck(fields, hashed, drawer);
    } else {
      throw std::invalid_argument("unknown kind of check");
    }
  } catch (const std::exception& error) {
    result.actual = std::string("cannot run: ") + error.what();
    return result;
  }
  result.passed = result.actual == result.expected;
  return result;
}

}  // namespace

std::vector<CheckResult> RunKnownValues(std::string_view text, DesignDrawer& drawer) {
  std::vector<CheckResult> results;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty() || line[0] == '#') {
      continue;
    }
    results.push_back(Run(line, drawer));
  }
  return results;
}

}  // namespace zufora
