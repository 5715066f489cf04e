#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "GenerateCommand.h"
#include "ReportCommand.h"
#include "SelftestCommand.h"
#include "Usage.h"
#include "VerifyCommand.h"

namespace zufora::cli {

// zufora-cli propose-seed [--time SECONDS]
struct ProposeSeedOptions {
  std::optional<std::int64_t> time;
};

// zufora-cli write-language-file FILE [--lang FILE]
struct WriteLanguageFileOptions {
  std::string output_file;
  std::optional<std::string> language_file;  // applied first: its texts are written
};

struct VersionRequest {};

using Command =
    std::variant<GenerateOptions, VerifyOptions, ReportOptions, SelftestOptions, ProposeSeedOptions,
                 WriteLanguageFileOptions, HelpRequest, VersionRequest, UsageError>;

// The command that the arguments (without the program name) ask for.
Command ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace zufora::cli
