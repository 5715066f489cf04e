#include "NumberOptions.h"

namespace zufora::cli {

bool TakeNumberOption(const std::vector<std::string>& arguments, std::size_t& i,
                      NumberArguments& numbers, std::string& error) {
  const std::string& argument = arguments[i];
  if (argument == "--numbers") {
    if (numbers.numbers) {
      error = "--numbers is given twice";
    }
    numbers.numbers = true;
    if (i + 1 < arguments.size() &&
        (arguments[i + 1] == "random" || arguments[i + 1] == "sequential")) {
      numbers.random = arguments[++i] == "random";
    }
    return true;
  }
  if (argument == "--check-digit") {
    numbers.check_digit = true;
    return true;
  }
  if (argument != "--number-format") {
    return false;
  }
  if (i + 1 >= arguments.size()) {
    error = "--number-format needs a value";
  } else if (const auto problem = NumberFormatProblem(arguments[++i])) {
    error = *problem;
  } else {
    numbers.format = arguments[i];
  }
  return true;
}

std::variant<std::optional<NumberingOptions>, std::string> NumberingOf(
    const NumberArguments& numbers) {
  if (!numbers.numbers) {
    if (numbers.format || numbers.check_digit) {
      return std::string("--number-format and --check-digit go with --numbers");
    }
    return std::optional<NumberingOptions>();
  }
  return std::optional<NumberingOptions>(
      NumberingOptions{numbers.random, numbers.format.value_or(""), numbers.check_digit});
}

}  // namespace zufora::cli
