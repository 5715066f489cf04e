#include "DesignOptions.h"

namespace zufora::cli {

bool TakeDesignOption(const std::vector<std::string>& arguments, std::size_t& i,
                      DesignOptions& options, bool& have_design, std::string& error) {
  const std::string& argument = arguments[i];
  auto value = [&](std::optional<std::string>& target, const char* what) {
    if (i + 1 >= arguments.size()) {
      error = argument + " needs " + what;
    } else {
      target = arguments[++i];
    }
    return true;
  };
  if (argument == "--seed") {
    return value(options.seed, "a value");
  }
  if (argument == "--lang") {
    return value(options.language_file, "a file");
  }
  if (argument == "--no-blocks") {
    options.mark_blocks = false;
  } else if (argument == "--no-seed") {
    options.show_seed = false;
  } else if (argument == "--accept-misfits") {
    options.accept_misfits = true;
  } else if (argument.size() > 1 && argument[0] == '-') {
    return false;
  } else if (have_design) {
    error = "only one design file, please";
  } else {
    options.design_file = argument;
    have_design = true;
  }
  return true;
}

}  // namespace zufora::cli
