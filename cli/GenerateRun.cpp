// zufora-cli generate: the run, from the checked outputs to the provenance record.
#include <filesystem>
#include <memory>

#include "EnvelopeOutput.h"
#include "GenerateCommand.h"
#include "GenerateRecord.h"
#include "OpenedDesign.h"
#include "OutputFiles.h"
#include "TableNumbers.h"
#include "ZuforaCli.h"
#include "design/Limits.h"
#include "design/StudyDesign.h"
#include "evidence/ListOutput.h"
#include "evidence/OutputSinks.h"
#include "evidence/ProvenanceRecord.h"
#include "evidence/Sha256.h"
#include "files/ExportFile.h"
#include "files/FileReplacement.h"
#include "files/FileWriteError.h"
#include "pages/Generation.h"
#include "pages/QuietGeneration.h"
#include "random/ListExport.h"
#include "text/Cp1252.h"

namespace zufora::cli {
namespace {

namespace fs = std::filesystem;

// Writes the parts to a file that replaces the old one when committed.
class FileSink : public ListTextSink {
 public:
  explicit FileSink(FileReplacement& file) : file_(file) {}
  void Write(std::string_view whole_lines) override { file_.Write(whole_lines); }

 private:
  FileReplacement& file_;
};

// Writes the parts to a stream as they are.
class StreamSink : public ListTextSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void Write(std::string_view whole_lines) override {
    out_.write(whole_lines.data(), static_cast<std::streamsize>(whole_lines.size()));
  }

 private:
  std::ostream& out_;
};

// A file of the run, opened (and so checked) before anything is drawn.
struct OutputFile {
  std::string path;
  std::unique_ptr<FileReplacement> file;

  // The file's absolute name as the record gives it.
  std::string RecordedPath() const { return fs::absolute(file->Target()).lexically_normal(); }
};

std::optional<OutputFile> Open(const std::optional<std::string>& path) {
  if (!path) {
    return std::nullopt;
  }
  try {
    return OutputFile{*path, std::make_unique<FileReplacement>(*path)};
  } catch (const FileWriteError& error) {
    throw ExportFailure(*path, error);
  }
}

void Commit(OutputFile& output) {
  try {
    output.file->Commit();
  } catch (const FileWriteError& error) {
    throw ExportFailure(output.path, error);
  }
}

class GenerateRun {
 public:
  GenerateRun(const GenerateOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock)
      : options_(options),
        out_(out),
        err_(err),
        clock_(clock),
        opened_(options.design, err, clock) {}

  int Run();

 private:
  int PrepareTable();
  int OpenOutputs();
  bool DrawWhileWriting();
  bool DrawWhole();
  // False when the envelopes asked for could not be printed.
  bool WriteEnvelopes(bool complete);
  void WriteRecord(bool complete);

  const GenerateOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  const CalendarClock& clock_;
  OpenedDesign opened_;
  OutputRequest request_;
  std::unique_ptr<NumberedRows> row_numbers_;  // request_'s numbers
  std::optional<std::string> manifest_path_;
  std::optional<OutputFile> output_;
  std::optional<OutputFile> pdf_;
  std::optional<OutputFile> manifest_;
  std::optional<OutputFile> envelopes_;
  std::vector<NamedFile> inputs_;
  std::vector<NamedFile> outputs_;
  std::vector<RecordedList> lists_;
  std::vector<RecordedOutput> recorded_outputs_;
};

int GenerateRun::Run() {
  inputs_.push_back({"the design file", options_.design.design_file});
  if (options_.design.language_file) {
    inputs_.push_back({"the language file", *options_.design.language_file});
  }
  for (const auto& [option, path] :
       {std::pair{"--output", options_.output_file}, std::pair{"--pdf", options_.pdf_file},
        std::pair{"--manifest", options_.manifest_file},
        std::pair{"--envelopes", options_.envelopes_file}}) {
    if (path) {
      outputs_.push_back({option, *path});
    }
  }
  // An output would replace a file the list is drawn from, or another output.
  if (const auto clash = OutputClash(outputs_, inputs_)) {
    err_ << "zufora-cli: " << *clash << '\n';
    return kExitFailure;
  }
  if (const int status = opened_.Open(); status != kExitComplete) {
    return status;
  }
  if (options_.design.test_list) {
    err_ << "zufora-cli: a TEST list, drawn from the test seed "
         << Cp1252ToUtf8(opened_.Pages().Design().seed)
         << " that the design's seed gives; it is not the production list"
         << (options_.format != OutputFormat::kList
                 ? ", and its table holds no TEST mark: keep TEST in the file's name"
                 : "")
         << '\n';
  }
  if (const int status = PrepareTable(); status != kExitComplete) {
    return status;
  }
  if (const int status = OpenOutputs(); status != kExitComplete) {
    return status;
  }
  DesignPages& pages = opened_.Pages();
  // A text that could pass the limit of one list text is built whole, as the window does,
  // so that the limit refuses it alike; so is one that is printed, as the print run lays
  // out the whole text.
  const bool whole =
      options_.format == OutputFormat::kList && ListTextBound(pages.Design(), pages.ListOptions()) >
                                                    static_cast<std::uint64_t>(kMaxListTextBytes);
  bool complete = options_.pdf_file || whole ? DrawWhole() : DrawWhileWriting();
  complete = WriteEnvelopes(complete) && complete;
  WriteRecord(complete);
  return complete ? kExitComplete : kExitIncomplete;
}

int GenerateRun::PrepareTable() {
  request_.format = options_.format;
  request_.text_form = options_.output_file ? TextForm::kExport : TextForm::kUtf8;
  request_.numbers = options_.numbers;
  const StudyDesign& design = opened_.Pages().Design();
  const auto columns_problem =
      options_.format == OutputFormat::kCsv ? CsvTableProblem(design, request_.numbers.has_value())
      : options_.format == OutputFormat::kBlinded ? BlindedTableProblem(design)
                                                  : std::nullopt;
  if (columns_problem) {
    err_ << "zufora-cli: no " << (options_.format == OutputFormat::kCsv ? "CSV table" : "site list")
         << ": " << *columns_problem << '\n';
    return kExitFailure;
  }
  if (options_.format == OutputFormat::kRedcap) {
    auto request = RedcapRequestOf(options_.table);
    if (const auto* problem = std::get_if<std::string>(&request)) {
      err_ << "zufora-cli: " << *problem << '\n';
      return kExitFailure;
    }
    request_.redcap = std::get<RedcapTableRequest>(std::move(request));
    if (const auto problem = RedcapTableProblem(design, request_.redcap)) {
      err_ << "zufora-cli: no REDCap table: " << *problem << '\n';
      return kExitFailure;
    }
  }
  if (const auto problem =
          AttachNumbers(opened_, options_.design.accept_misfits, request_, row_numbers_)) {
    err_ << "zufora-cli: no randomisation numbers: " << *problem << '\n';
    return kExitFailure;
  }
  return kExitComplete;
}

int GenerateRun::OpenOutputs() {
  manifest_path_ = options_.manifest_file;
  // A proposed seed that the output cannot show is kept in a record beside it.
  const bool shows_seed = options_.format == OutputFormat::kList && options_.design.show_seed;
  const std::optional<std::string>& beside =
      options_.output_file ? options_.output_file : options_.pdf_file;
  if (opened_.SeedProposed() && !shows_seed && !manifest_path_ && beside) {
    manifest_path_ = *beside + ".manifest.json";
    outputs_.push_back({"the provenance record", *manifest_path_});
    if (const auto clash = OutputClash(outputs_, inputs_)) {
      err_ << "zufora-cli: " << *clash << '\n';
      return kExitFailure;
    }
    err_ << "zufora-cli: " << *beside << " cannot show the proposed seed; the provenance record "
         << *manifest_path_ << " keeps it\n";
  }
  output_ = Open(options_.output_file);
  pdf_ = Open(options_.pdf_file);
  manifest_ = Open(manifest_path_);
  envelopes_ = Open(options_.envelopes_file);
  return kExitComplete;
}

bool GenerateRun::DrawWhileWriting() {
  DesignPages& pages = opened_.Pages();
  const bool table = options_.format != OutputFormat::kList;
  std::optional<FileSink> file_sink;
  std::optional<SpoolSink> spool;
  StreamSink stream_sink(out_);
  ListTextSink* target = &stream_sink;
  if (output_) {
    target = &file_sink.emplace(*output_->file);
  } else if (table) {
    target = &spool.emplace();  // a table goes out whole or not at all
  }
  DigestSink digest(*target);
  ListOutput output(pages.Design(), pages.ListOptions(), request_, digest);
  ListRecorder recorder(pages.Design());
  ListFanOut both;
  both.Add(output);
  both.Add(recorder);
  const bool complete = pages.GenerateInto(both);
  output.Finish();
  lists_ = recorder.Lists();
  if (table && !complete) {
    err_ << "zufora-cli: no table written, since the lists were not drawn in full"
         << (output_ ? "; " + output_->path + " is left as it was" : std::string()) << '\n';
    return false;
  }
  RecordedOutput& recorded = recorded_outputs_.emplace_back();
  DescribeForm(recorded, options_.format, request_.text_form);
  recorded.rows = output.Rows();
  recorded.bytes = digest.Bytes();
  recorded.sha256 = digest.HexDigest();
  if (output_) {
    Commit(*output_);
    recorded.path = output_->RecordedPath();
  } else {
    if (spool) {
      spool->CopyTo(out_);
    }
    recorded.path = "-";
  }
  return complete;
}

bool GenerateRun::DrawWhole() {
  DesignPages& pages = opened_.Pages();
  const bool complete = pages.Generate();
  const std::string& text = pages.ListText();
  if (manifest_) {
    // The lists again, as the record names them: the same seed gives the same lists.
    ListRecorder recorder(pages.Design());
    QuietGeneration(opened_.Texts().catalogue)
        .Draw(pages.Design(), options_.design.accept_misfits, recorder);
    lists_ = recorder.Lists();
  }
  std::int64_t rows = 0;
  for (const RecordedList& list : lists_) {
    rows += list.patients;
  }
  if (output_ || !options_.pdf_file) {
    const std::string bytes = output_ ? ExportBytes(text) : Cp1252ToUtf8(text);
    RecordedOutput& recorded = recorded_outputs_.emplace_back();
    DescribeForm(recorded, OutputFormat::kList, request_.text_form);
    recorded.rows = rows;
    recorded.bytes = bytes.size();
    recorded.sha256 = Sha256Hex(bytes);
    if (output_) {
      output_->file->Write(bytes);
      Commit(*output_);
      recorded.path = output_->RecordedPath();
    } else {
      out_ << bytes;
      recorded.path = "-";
    }
  }
  if (pdf_) {
    PdfPrinting printing;
    printing.page_size = options_.page_size;
    printing.in_place = true;
    printing.test_list = options_.design.test_list;
    PrintListPdf(pdf_->file->TemporaryPath().string(), printing, opened_.Texts(), text, err_);
    Commit(*pdf_);
    const auto digest = Sha256OfFile(pdf_->file->Target());
    RecordedOutput& recorded = recorded_outputs_.emplace_back();
    recorded.path = pdf_->RecordedPath();
    recorded.format = "pdf";
    recorded.rows = rows;
    recorded.bytes = digest ? digest->bytes : 0;
    recorded.sha256 = digest ? digest->sha256 : "";
  }
  return complete;
}

bool GenerateRun::WriteEnvelopes(bool complete) {
  if (!envelopes_) {
    return true;
  }
  if (!complete) {
    err_ << "zufora-cli: no envelopes printed, since the lists were not drawn in full; "
         << envelopes_->path << " is left as it was\n";
    return true;  // the run is incomplete already
  }
  const auto printed = PrintDesignEnvelopes(
      opened_, options_.design.accept_misfits, options_.numbers.value_or(NumberingOptions{}),
      options_.page_size, envelopes_->file->TemporaryPath().string());
  if (const auto* problem = std::get_if<std::string>(&printed)) {
    err_ << "zufora-cli: no envelopes printed: " << *problem << "; " << envelopes_->path
         << " is left as it was\n";
    return false;
  }
  Commit(*envelopes_);
  const auto digest = Sha256OfFile(envelopes_->file->Target());
  RecordedOutput& recorded = recorded_outputs_.emplace_back();
  recorded.path = envelopes_->RecordedPath();
  recorded.format = "pdf";
  recorded.rows = std::get<PdfEnvelopes>(printed).cards;
  recorded.bytes = digest ? digest->bytes : 0;
  recorded.sha256 = digest ? digest->sha256 : "";
  return true;
}

void GenerateRun::WriteRecord(bool complete) {
  if (!manifest_) {
    return;
  }
  ProvenanceRecord record = BeginRecord(options_, opened_, clock_);
  record.lists = lists_;
  record.outputs = recorded_outputs_;
  record.complete = complete;
  record.exit_status = complete ? kExitComplete : kExitIncomplete;
  manifest_->file->Write(ProvenanceJson(record));
  Commit(*manifest_);
}

}  // namespace

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock, const ProgramContext&) {
  GenerateRun run(options, out, err, clock);
  return run.Run();
}

}  // namespace zufora::cli
