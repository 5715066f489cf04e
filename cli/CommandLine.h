#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zufora::cli {

enum class PdfPageSize { kA4, kLetter };

// zufora-cli generate DESIGN.zfd [options]
struct GenerateOptions {
  std::string design_file;
  std::optional<std::string> seed;         // UTF-8, as given
  std::optional<std::string> output_file;  // export file instead of stdout
  std::optional<std::string> language_file;
  std::optional<std::string> pdf_file;  // print the list to this PDF file
  PdfPageSize page_size = PdfPageSize::kA4;
  bool mark_blocks = true;
  bool show_seed = true;
  bool accept_misfits = false;
};

// zufora-cli propose-seed [--time SECONDS]
struct ProposeSeedOptions {
  std::optional<std::int64_t> time;
};

// zufora-cli write-language-file FILE [--lang FILE]
struct WriteLanguageFileOptions {
  std::string output_file;
  std::optional<std::string> language_file;  // applied first: its texts are written
};

struct HelpRequest {
  std::string text;
};

struct VersionRequest {};

struct UsageError {
  std::string text;  // what was wrong, followed by the usage of the command
};

using Command = std::variant<GenerateOptions, ProposeSeedOptions, WriteLanguageFileOptions,
                             HelpRequest, VersionRequest, UsageError>;

// The command that the arguments (without the program name) ask for.
Command ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace zufora::cli
