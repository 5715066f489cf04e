#pragma once

#include <string>
#include <variant>

namespace zufora::cli {

struct HelpRequest {
  std::string text;
};

struct UsageError {
  std::string text;  // what was wrong, followed by the usage of the command
};

// What a command's parser gives: its options, a request for its help, or a usage error.
template <class Options>
using Parsed = std::variant<Options, HelpRequest, UsageError>;

inline UsageError Wrong(const std::string& what, const char* usage) {
  return UsageError{"zufora-cli: " + what + "\n\n" + usage};
}

inline bool IsHelp(const std::string& argument) {
  return argument == "--help" || argument == "-h";
}

}  // namespace zufora::cli
