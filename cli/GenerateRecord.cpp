#include "GenerateRecord.h"

#include "evidence/ProgramBuild.h"
#include "evidence/Sha256.h"
#include "text/Cp1252.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace zufora::cli {
namespace {

RecordedFile FileRecord(const std::string& path, const std::string& bytes) {
  return RecordedFile{path, Sha256Hex(bytes), bytes};
}

}  // namespace

ProvenanceRecord BeginRecord(const GenerateOptions& options, OpenedDesign& opened,
                             const CalendarClock& clock) {
  ProvenanceRecord record;
  record.program = "zufora-cli";
  record.version = ZUFORA_VERSION;
  record.build = CompilerDescription();
  record.platform = PlatformDescription();
  record.generator = kGeneratorName;
  record.arguments = options.arguments;
  record.created_utc = UtcTimestamp(clock());
  record.design = FileRecord(options.design.design_file, opened.DesignBytes());
  if (opened.LanguageBytes()) {
    record.language_file =
        FileRecord(options.design.language_file.value_or(""), *opened.LanguageBytes());
  }
  RecordedOptions& recorded = record.options;
  recorded.seed_given = options.design.seed;
  recorded.mark_blocks = options.design.mark_blocks;
  recorded.show_seed = options.design.show_seed;
  recorded.accept_misfits = options.design.accept_misfits;
  recorded.format = std::string(FormatName(options.format));
  recorded.arm_codes = options.table.arm_codes;
  recorded.centre_field = options.table.centre_field;
  recorded.group_ids = options.table.dag_ids;
  recorded.numbers = options.numbers;
  if (options.pdf_file) {
    recorded.page_size = options.page_size == PdfPageSize::kLetter ? "Letter" : "A4";
  }
  record.seed = Cp1252ToUtf8(opened.Pages().Design().seed);
  record.seed_proposed = opened.SeedProposed();
  record.test = options.design.test_list;
  record.seed_clock = opened.SeedClock();
  return record;
}

void DescribeForm(RecordedOutput& output, OutputFormat format, TextForm form) {
  const bool exported = format == OutputFormat::kList && form == TextForm::kExport;
  output.format = std::string(FormatName(format));
  output.encoding = exported ? "cp1252" : "utf-8";
  output.line_end = format == OutputFormat::kList && form == TextForm::kUtf8 ? "LF" : "CRLF";
}

}  // namespace zufora::cli
