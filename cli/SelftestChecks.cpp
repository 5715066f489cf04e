#include "SelftestChecks.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstring>

#include "PdfListOutput.h"
#include "evidence/KnownValueDesign.h"
#include "evidence/Sha256.h"
#include "files/FileAccess.h"
#include "files/FileReplacement.h"
#include "lang/LanguageFileLocation.h"
#include "pages/QuietGeneration.h"
#include "random/ListTextWriter.h"
#include "text/Cp1252.h"

namespace zufora::cli {
namespace {

constexpr char kKnownValuesFileName[] = "known-values.txt";

std::string KernelName() {
  utsname name{};
  if (::uname(&name) != 0) {
    return "unknown";
  }
  return std::string(name.sysname) + " " + name.release + " " + name.machine;
}

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) {
    return "unknown";
  }
  return name;
}

// The pages of a PDF file: its page objects, "/Type /Page" but not "/Type /Pages".
int PdfPages(std::string_view pdf) {
  constexpr std::string_view kPage = "/Type /Page";
  int pages = 0;
  for (std::size_t at = pdf.find(kPage); at != std::string_view::npos;
       at = pdf.find(kPage, at + 1)) {
    const std::size_t next = at + kPage.size();
    pages += next < pdf.size() && pdf[next] != 's' ? 1 : 0;
  }
  return pages;
}

}  // namespace

std::vector<ReportFact> MachineFacts(const std::filesystem::path& executable) {
  const FileBytes os_release = ReadFileBytes("/etc/os-release", 1 << 16);
  std::string system = OsReleaseName(os_release.bytes);
  std::vector<ReportFact> facts;
  facts.push_back({"System", (system.empty() ? "unknown" : system) + " (" + KernelName() + ")"});
  facts.push_back({"Host", HostName()});
  facts.push_back({"Qt", QtRuntimeVersion() + " (in use)"});
  const std::filesystem::path program = executable.empty() ? "/proc/self/exe" : executable;
  const auto digest = Sha256OfFile(program);
  facts.push_back({"Executable", program.string()});
  facts.push_back({"Executable SHA-256", digest ? digest->sha256 : "cannot be read"});
  return facts;
}

CheckResult InstalledKnownValuesCheck(const std::filesystem::path& executable,
                                      std::vector<ReportFact>& facts) {
  CheckResult result{"installation known-values-file", Sha256Hex(kKnownValuesText), "", false};
  const std::filesystem::path folder =
      executable.empty() ? std::filesystem::path() : executable.parent_path();
  const auto file =
      executable.empty() ? std::nullopt : FindLanguageFile(folder, kKnownValuesFileName);
  if (!file) {
    std::string places;
    for (const auto& candidate : LanguageFileCandidates(folder, kKnownValuesFileName)) {
      places += (places.empty() ? "" : ", ") + candidate.string();
    }
    result.actual = "not found (looked for " + places + ")";
    facts.push_back({"Known values", result.actual});
    return result;
  }
  const auto digest = Sha256OfFile(*file);
  result.actual = digest ? digest->sha256 : "cannot be read";
  result.passed = result.actual == result.expected;
  facts.push_back(
      {"Known values", file->string() + (result.passed ? ", the same as the built-in copy"
                                                       : ", NOT the built-in copy")});
  return result;
}

CheckResult PdfCheck(const ProgramTexts& texts, std::vector<ReportFact>& facts, std::ostream& err) {
  CheckResult result{"pdf worked-example", "12 allocations printed in order; 1 page in the file",
                     "", false};
  const Fields fields = {
      {"arms", "1,1,1"}, {"patients", "12"}, {"blocks", "fixed:6"}, {"seed", "12345"}};
  const StudyDesign design = KnownValueDesign(fields);
  std::string list_text;
  StringSink sink(list_text);
  ListTextWriter writer(design, ListTextOptions{}, sink);
  QuietGeneration(texts.catalogue).Draw(design, false, writer);
  writer.Finish();

  // Each allocation's patient number and arm description, in the order of the list.
  std::vector<std::string> wanted;
  for (std::size_t start = 0; start < list_text.size();) {
    const std::size_t end = list_text.find('\n', start);
    const std::string line = list_text.substr(start, end - start);
    start = end + 1;
    const std::size_t tab = line.find('\t');
    const std::size_t second = line.find('\t', tab + 1);
    if (tab != std::string::npos && second != std::string::npos) {
      wanted.push_back(line.substr(0, tab));
      wanted.push_back(line.substr(second + 1));
    }
  }
  std::size_t found = 0;
  Sha256 placed;
  PdfPrinting printing;
  printing.in_place = true;
  printing.header_date = "01.01.26";
  printing.observer = [&](std::int32_t x, std::int32_t y, std::string_view text) {
    // A cell is set with a blank on either side.
    const std::size_t first = text.find_first_not_of(' ');
    const std::string_view cell = first == std::string_view::npos
                                      ? std::string_view()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (found < wanted.size() && cell == wanted[found]) {
      ++found;
    }
    placed.Add(std::to_string(x) + "," + std::to_string(y) + "," + std::string(text) + "\n");
  };
  try {
    // Never committed: the file beside the name goes when the check is done.
    FileReplacement file(std::filesystem::temp_directory_path() / "zufora-selftest.pdf");
    const std::int32_t pages =
        PrintListPdf(file.TemporaryPath().string(), printing, texts, list_text, err);
    const FileBytes pdf = ReadFileBytes(file.TemporaryPath(), std::uintmax_t{64} << 20);
    const bool whole = pdf.bytes.starts_with("%PDF-") &&
                       pdf.bytes.find("%%EOF", pdf.bytes.size() > 16 ? pdf.bytes.size() - 16 : 0) !=
                           std::string::npos;
    const int file_pages = PdfPages(pdf.bytes);
    result.actual =
        std::to_string(found / 2) + " allocations printed in order; " + std::to_string(file_pages) +
        (file_pages == 1 ? " page" : " pages") + " in the file" +
        (whole ? "" : ", which is no complete PDF") +
        (file_pages == pages ? "" : ", where the print run counted " + std::to_string(pages));
  } catch (const std::exception& error) {
    result.actual = std::string("cannot print: ") + error.what();
  }
  result.passed = result.actual == result.expected && found == wanted.size();
  facts.push_back({"PDF texts and places SHA-256", placed.HexDigest()});
  return result;
}

}  // namespace zufora::cli
