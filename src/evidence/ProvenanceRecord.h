#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/StudyDesign.h"
#include "evidence/RandomisationNumbers.h"
#include "random/ListConsumer.h"

namespace zufora {

// The provenance record of one generation: which program, design, options and seed made
// which outputs, so that an auditor can draw the lists again and check each output.
// Written as JSON (ProvenanceJson); the keys are stable and documented in the README.
// Every text is UTF-8.

// A file the record holds whole (the design, a language file): its bytes travel with the
// record, so that the generation can be repeated when the file has moved or changed.
struct RecordedFile {
  std::string path;  // as given
  std::string sha256;
  std::string content;  // the file's bytes
};

struct RecordedList {
  std::optional<std::int32_t> centre_row;  // none for the single list
  std::string centre;                      // the centre number as typed; empty for none
  std::int32_t seed = 0;                   // the seed that reproduces this list
  std::int32_t planned_patients = 0;
  std::int64_t patients = 0;  // allocations drawn
};

struct RecordedOutput {
  std::string path;       // the file written, absolute; "-" for standard output
  std::string format;     // "list", "csv", "redcap", "pdf"
  std::string encoding;   // "utf-8", "cp1252"; empty for a PDF
  std::string line_end;   // "LF", "CRLF"; empty for a PDF
  std::int64_t rows = 0;  // allocations (table rows, list lines, printed lines)
  std::uint64_t bytes = 0;
  std::string sha256;
};

// The options that shaped the lists and their outputs.
struct RecordedOptions {
  std::optional<std::string> seed_given;  // --seed TEXT
  bool mark_blocks = true;
  bool show_seed = true;
  bool accept_misfits = false;
  std::string format = "list";
  std::map<std::int32_t, std::string> arm_codes;
  std::optional<std::string> centre_field;
  std::map<std::string, std::int64_t> group_ids;  // --dag-ids, by centre number
  std::optional<std::string> page_size;           // with a PDF: "A4", "Letter"
  std::optional<NumberingOptions> numbers;        // --numbers, --number-format, --check-digit
};

struct ProvenanceRecord {
  std::string program;                 // "zufora-cli"
  std::string version;                 // "1.2.0"
  std::string build;                   // compiler and whether optimised
  std::string platform;                // operating system and processor the program was built for
  std::string generator;               // the random generator's name
  std::vector<std::string> arguments;  // the command line, without the program name
  std::string created_utc;             // "2024-05-01T12:00:00Z"
  RecordedFile design;
  std::optional<RecordedFile> language_file;
  RecordedOptions options;
  std::string seed;  // the seed field's text the lists were drawn with
  // A test list: `seed` is the test list's (TestListSeed of the production seed, which the
  // record does not give).
  bool test = false;
  bool seed_proposed = false;
  std::optional<std::int64_t> seed_clock;  // the clock reading a proposal was made from
  std::vector<RecordedList> lists;
  std::vector<RecordedOutput> outputs;
  bool complete = false;  // every list drawn in full
  int exit_status = 0;
};

inline constexpr char kGeneratorName[] =
    "Park-Miller minimal standard (multiplier 16807, modulus 2^31-1) with Bays-Durham "
    "shuffle";

// The record as JSON text (UTF-8, two blanks of indentation, LF).
std::string ProvenanceJson(const ProvenanceRecord& record);

// A record read back; `error` says what is wrong with a text that is no record.
struct ProvenanceReading {
  std::optional<ProvenanceRecord> record;
  std::string error;
};
ProvenanceReading ReadProvenanceJson(std::string_view text);

// Seconds since 1970 as "YYYY-MM-DDTHH:MM:SSZ".
std::string UtcTimestamp(std::int64_t seconds);

// Collects the lists of a generation for the record while they are drawn: each list's
// centre, seed, planned and drawn patients. The design must outlive it.
class ListRecorder : public ListConsumer {
 public:
  explicit ListRecorder(const StudyDesign& design) : design_(design) {}

  void Title(const std::string&) override {}
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

  const std::vector<RecordedList>& Lists() const { return lists_; }

 private:
  const StudyDesign& design_;
  std::vector<RecordedList> lists_;
};

}  // namespace zufora
