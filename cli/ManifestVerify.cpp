#include "ManifestVerify.h"

#include <filesystem>
#include <memory>

#include "FileComparison.h"
#include "OpenedDesign.h"
#include "TableNumbers.h"
#include "ZuforaCli.h"
#include "evidence/ListOutput.h"
#include "evidence/OutputSinks.h"
#include "evidence/ProvenanceRecord.h"
#include "evidence/Sha256.h"
#include "files/FileAccess.h"

namespace zufora::cli {
namespace {

// A record carries a design file of at most 32 MB and a language file of at most 4 MB,
// in Base64; anything larger is no record of this program.
constexpr std::uintmax_t kMaxRecordSize = std::uintmax_t{64} << 20;

// Says whether a file the record holds still lies where it was, unchanged. The record's
// own bytes are used whatever the answer: this is a note, not a failure.
void NoteRecordedFile(const RecordedFile& file, const char* what, std::ostream& out) {
  std::error_code error;
  if (file.path.empty() || !std::filesystem::exists(file.path, error)) {
    out << "Note: the " << what << " " << file.path
        << " is no longer there; the record's copy is used.\n";
    return;
  }
  const auto digest = Sha256OfFile(file.path);
  if (digest && digest->sha256 == file.sha256) {
    out << "The " << what << " " << file.path << " still holds the recorded bytes.\n";
  } else {
    out << "Note: the " << what << " " << file.path << " has changed since the record was made"
        << (digest ? " (SHA-256 now " + digest->sha256 + ")" : std::string())
        << "; the record's copy is used.\n";
  }
}

class ManifestCheck {
 public:
  ManifestCheck(const VerifyOptions& options, ProvenanceRecord record, std::ostream& out,
                std::ostream& err, const CalendarClock& clock)
      : options_(options), record_(std::move(record)), out_(out), err_(err), clock_(clock) {}

  int Run();

 private:
  bool CheckRecordedFiles();
  bool Redraw();
  void CheckOutput(const RecordedOutput& output, std::size_t index, const std::string& path);
  void Fail(const std::string& text) {
    out_ << "FAILED: " << text << '\n';
    ++failures_;
  }

  const VerifyOptions& options_;
  ProvenanceRecord record_;
  std::ostream& out_;
  std::ostream& err_;
  const CalendarClock& clock_;
  DesignOptions design_;
  OutputRequest request_;
  std::unique_ptr<OpenedDesign> opened_;
  std::unique_ptr<NumberedRows> row_numbers_;  // request_'s numbers
  std::vector<std::string> fresh_digests_;     // by output; empty for a PDF
  int failures_ = 0;
};

bool ManifestCheck::CheckRecordedFiles() {
  if (Sha256Hex(record_.design.content) != record_.design.sha256) {
    Fail(
        "the record's copy of the design file does not have the SHA-256 it gives: the record "
        "was changed");
    return false;
  }
  if (record_.language_file &&
      Sha256Hex(record_.language_file->content) != record_.language_file->sha256) {
    Fail(
        "the record's copy of the language file does not have the SHA-256 it gives: the "
        "record was changed");
    return false;
  }
  NoteRecordedFile(record_.design, "design file", out_);
  if (record_.language_file) {
    NoteRecordedFile(*record_.language_file, "language file", out_);
  }
  return true;
}

bool ManifestCheck::Redraw() {
  design_.design_file = record_.design.path;
  design_.seed = record_.seed;
  if (record_.language_file) {
    design_.language_file = record_.language_file->path;
  }
  design_.mark_blocks = record_.options.mark_blocks;
  design_.show_seed = record_.options.show_seed;
  design_.accept_misfits = record_.options.accept_misfits;
  design_.test_list = record_.test;
  design_.seed_is_test_seed = true;
  HeldFiles held{record_.design.content, record_.language_file
                                             ? std::optional(record_.language_file->content)
                                             : std::nullopt};
  opened_ = std::make_unique<OpenedDesign>(design_, err_, clock_, std::move(held));
  if (opened_->Open() != kExitComplete) {
    Fail("the recorded design cannot be drawn again (see the messages above)");
    return false;
  }
  const auto format = FormatNamed(record_.options.format);
  if (!format) {
    Fail("the record names the unknown format " + record_.options.format);
    return false;
  }
  request_.format = *format;
  request_.numbers = record_.options.numbers;
  if (*format == OutputFormat::kRedcap) {
    TableOptions table{record_.options.arm_codes, record_.options.centre_field,
                       record_.options.group_ids};
    auto redcap = RedcapRequestOf(table);
    if (const auto* problem = std::get_if<std::string>(&redcap)) {
      Fail(*problem);
      return false;
    }
    request_.redcap = std::get<RedcapTableRequest>(std::move(redcap));
    if (const auto problem = RedcapTableProblem(opened_->Pages().Design(), request_.redcap)) {
      Fail("the recorded table options do not suit the design: " + *problem);
      return false;
    }
  }
  if (const auto problem =
          AttachNumbers(*opened_, design_.accept_misfits, request_, row_numbers_)) {
    Fail("the recorded numbers do not suit the design: " + *problem);
    return false;
  }

  // Every recorded output of the design drawn once more, into a digest each.
  DesignPages& pages = opened_->Pages();
  std::vector<std::unique_ptr<DigestSink>> digests;
  std::vector<std::unique_ptr<ListOutput>> outputs;
  ListRecorder recorder(pages.Design());
  ListFanOut all;
  all.Add(recorder);
  for (const RecordedOutput& output : record_.outputs) {
    digests.push_back(std::make_unique<DigestSink>());
    if (output.format == "pdf") {
      continue;
    }
    OutputRequest request = request_;
    request.text_form = output.encoding == "cp1252" ? TextForm::kExport : TextForm::kUtf8;
    outputs.push_back(std::make_unique<ListOutput>(pages.Design(), pages.ListOptions(), request,
                                                   *digests.back()));
    all.Add(*outputs.back());
  }
  const bool complete = pages.GenerateInto(all);
  for (const auto& output : outputs) {
    output->Finish();
  }
  for (std::size_t i = 0; i < record_.outputs.size(); ++i) {
    fresh_digests_.push_back(record_.outputs[i].format == "pdf" ? "" : digests[i]->HexDigest());
  }
  if (complete != record_.complete) {
    Fail(std::string("drawn again, the lists are ") + (complete ? "complete" : "not complete") +
         ", but the record says they were " + (record_.complete ? "complete" : "not complete"));
  }
  const std::vector<RecordedList>& lists = recorder.Lists();
  bool same_lists = lists.size() == record_.lists.size();
  for (std::size_t i = 0; same_lists && i < lists.size(); ++i) {
    const RecordedList& a = lists[i];
    const RecordedList& b = record_.lists[i];
    same_lists = a.centre_row == b.centre_row && a.centre == b.centre && a.seed == b.seed &&
                 a.planned_patients == b.planned_patients && a.patients == b.patients;
  }
  if (!same_lists) {
    Fail("drawn again, the lists' seeds or lengths are not those the record gives");
  } else {
    out_ << "Drawn again with " << (record_.test ? "the TEST list's seed " : "seed ")
         << record_.seed << ": " << lists.size() << (lists.size() == 1 ? " list" : " lists")
         << ", as recorded.\n";
  }
  return true;
}

void ManifestCheck::CheckOutput(const RecordedOutput& output, std::size_t index,
                                const std::string& path) {
  const std::string name = output.format + " output " + (path == "-" ? "(standard output)" : path);
  if (!fresh_digests_[index].empty() && fresh_digests_[index] != output.sha256) {
    Fail("the record's SHA-256 of the " + name + " is not that of the output the design gives");
    return;
  }
  if (path == "-") {
    Fail("the " + name + " was not checked: give the file that holds it after the record");
    return;
  }
  const auto digest = Sha256OfFile(path);
  if (!digest) {
    Fail("the " + name + " does not exist or cannot be read");
    return;
  }
  if (digest->sha256 == output.sha256 && digest->bytes == output.bytes) {
    out_ << "OK: " << path << " is the recorded " << output.format << " output (" << output.rows
         << " allocations, SHA-256 " << output.sha256 << ")"
         << (output.format == "pdf" ? "; its pages are checked by their SHA-256 only" : "")
         << ".\n";
    return;
  }
  Fail(path + " is not the recorded " + output.format + " output (its SHA-256 is " +
       digest->sha256 + ")");
  if (output.format != "pdf") {
    OutputRequest request = request_;
    request.format = *FormatNamed(output.format);
    CompareFileWithDesign(*opened_, path, request, out_, err_);
  }
}

int ManifestCheck::Run() {
  out_ << "Provenance record " << *options_.manifest_file << ": " << record_.program << " "
       << record_.version << ", " << record_.created_utc << ", exit status " << record_.exit_status
       << ".\n";
  if (options_.output_files.size() > record_.outputs.size()) {
    err_ << "zufora-cli: the record names " << record_.outputs.size() << " outputs, and "
         << options_.output_files.size() << " files were given\n";
    return kExitFailure;
  }
  if (CheckRecordedFiles() && Redraw()) {
    for (std::size_t i = 0; i < record_.outputs.size(); ++i) {
      const std::string& path =
          i < options_.output_files.size() ? options_.output_files[i] : record_.outputs[i].path;
      CheckOutput(record_.outputs[i], i, path);
    }
  }
  if (failures_ > 0) {
    out_ << "Verdict: FAILED (" << failures_ << (failures_ == 1 ? " problem" : " problems")
         << ").\n";
    return kExitIncomplete;
  }
  out_ << "Verdict: the outputs are those the record names, and the design gives them.\n";
  return kExitComplete;
}

}  // namespace

int RunManifestVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
                      const CalendarClock& clock) {
  const FileBytes bytes = ReadFileBytes(*options.manifest_file, kMaxRecordSize);
  if (bytes.status != FileReadStatus::Read) {
    err << "zufora-cli: cannot read the provenance record " << *options.manifest_file
        << (bytes.reason.empty() ? std::string() : ": " + bytes.reason) << '\n';
    return kExitFailure;
  }
  ProvenanceReading reading = ReadProvenanceJson(bytes.bytes);
  if (!reading.record) {
    err << "zufora-cli: " << *options.manifest_file
        << " is no provenance record of this program: " << reading.error << '\n';
    return kExitFailure;
  }
  ManifestCheck check(options, std::move(*reading.record), out, err, clock);
  return check.Run();
}

}  // namespace zufora::cli
