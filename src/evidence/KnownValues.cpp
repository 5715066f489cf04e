#include "evidence/KnownValues.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

#include "design/StudyDesign.h"
#include "evidence/KnownValueDesign.h"
#include "evidence/LineKeys.h"
#include "evidence/ListComparison.h"
#include "evidence/ListOutput.h"
#include "evidence/Sha256.h"
#include "random/ListPlan.h"
#include "random/ListTextWriter.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora {
namespace {

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
  const StudyDesign design = KnownValueDesign(fields);
  const bool accept_misfits = AcceptsMisfits(fields);
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

// "KEY:VALUE,KEY:VALUE" of a line's field.
std::map<std::string, std::string> Pairs(const Fields& fields, const std::string& key) {
  std::map<std::string, std::string> pairs;
  const auto found = fields.find(key);
  if (found != fields.end()) {
    for (const std::string& pair : Split(found->second, ',')) {
      const std::size_t colon = pair.find(':');
      if (colon == std::string::npos) {
        throw std::invalid_argument(key + "= holds KEY:VALUE pairs");
      }
      pairs[pair.substr(0, colon)] = pair.substr(colon + 1);
    }
  }
  return pairs;
}

// The SHA-256 of a design's output as the program writes it to a file: format=export
// (the exported list text), csv or redcap (codes=ARM:CODE,... dag-ids=CENTRE:ID,...).
std::string OutputCheck(const Fields& fields, DesignDrawer& drawer) {
  const StudyDesign design = KnownValueDesign(fields);
  OutputRequest request;
  const std::string& format = Field(fields, "format");
  if (format == "export") {
    request.text_form = TextForm::kExport;
  } else if (const auto named = FormatNamed(format); named && *named != OutputFormat::kList) {
    request.format = *named;
  } else {
    throw std::invalid_argument("format= is export, csv or redcap");
  }
  for (const auto& [arm, code] : Pairs(fields, "codes")) {
    request.redcap.arm_codes[std::stoi(arm)] = code;
  }
  for (const auto& [centre, id] : Pairs(fields, "dag-ids")) {
    request.redcap.group_ids[centre] = std::stoll(id);
  }
  if (request.format == OutputFormat::kRedcap) {
    if (const auto problem = RedcapTableProblem(design, request.redcap)) {
      throw std::invalid_argument(*problem);
    }
  }
  HashSink hash;
  ListOutput output(design, ListTextOptions{}, request, hash);
  drawer.Draw(design, AcceptsMisfits(fields), output);
  output.Finish();
  return hash.hash.HexDigest();
}

// The comparison that verify makes, of a design's list text with itself, untouched or
// with the arm of allocation line `tamper=N` changed: "same:LINES", or
// "differs:LINE:ALLOCATIONS" with the first line that differs and the count.
std::string VerifyCheck(const Fields& fields, DesignDrawer& drawer) {
  const StudyDesign design = KnownValueDesign(fields);
  std::string text;
  StringSink sink(text);
  ListTextWriter writer(design, ListTextOptions{}, sink);
  drawer.Draw(design, AcceptsMisfits(fields), writer);
  writer.Finish();
  if (const auto tamper = fields.find("tamper"); tamper != fields.end()) {
    std::size_t start = 0;
    for (int line = 1; line < std::stoi(tamper->second); ++line) {
      start = text.find('\n', start) + 1;
    }
    // The arm of an allocation line turned into the next one: 1 -> 2 -> ... -> 1.
    const std::size_t tab = text.find('\t', start);
    char& arm = text[tab + 1];
    arm = arm == '9' ? '1' : static_cast<char>(arm + 1);
  }
  std::istringstream file(text);
  std::istringstream same_file(text);
  const ListTextKeys keys(ListTextOptions{}.center_caption);
  ListComparison comparison(file, same_file, keys);
  ListTextWriter again(design, ListTextOptions{}, comparison);
  drawer.Draw(design, AcceptsMisfits(fields), again);
  again.Finish();
  comparison.Finish();
  if (!comparison.FirstDifference()) {
    return "same:" + std::to_string(comparison.Lines());
  }
  return "differs:" + std::to_string(comparison.FirstDifference()->line) + ":" +
         std::to_string(comparison.DifferingAllocations());
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
    } else if (kind == "output") {
      result.expected = Field(fields, "sha256");
      result.actual = OutputCheck(fields, drawer);
    } else if (kind == "verify") {
      result.expected = Field(fields, "expect");
      result.actual = VerifyCheck(fields, drawer);
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
