#include "TableOptions.h"

#include <charconv>

#include "text/Cp1252.h"
#include "text/IntegerText.h"

namespace zufora::cli {
namespace {

// "KEY=VALUE,KEY=VALUE,..." with each key once; none when it is not that.
std::optional<std::vector<std::pair<std::string, std::string>>> Pairs(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    const std::string pair = text.substr(start, end - start);
    const std::size_t equals = pair.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == pair.size()) {
      return std::nullopt;
    }
    std::string key = pair.substr(0, equals);
    for (const auto& [other, value] : pairs) {
      if (other == key) {
        return std::nullopt;
      }
    }
    pairs.emplace_back(std::move(key), pair.substr(equals + 1));
    start = end + 1;
  }
  return pairs;
}

std::optional<std::int64_t> WholeNumber(const std::string& text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

bool TakeTableOption(const std::vector<std::string>& arguments, std::size_t& i,
                     TableOptions& options, std::string& error) {
  const std::string& argument = arguments[i];
  if (argument != "--arm-codes" && argument != "--centre-field" && argument != "--dag-ids") {
    return false;
  }
  if (i + 1 >= arguments.size()) {
    error = argument + " needs a value";
    return true;
  }
  const std::string& value = arguments[++i];
  if (argument == "--centre-field") {
    if (value.empty()) {
      error = "--centre-field needs a name";
    } else if (value != kRedcapDataAccessGroupColumn) {  // that one is the default
      options.centre_field = value;
    }
    return true;
  }
  const auto pairs = Pairs(value);
  if (!pairs) {
    error = argument + " needs KEY=VALUE pairs separated by commas, each key once";
    return true;
  }
  for (const auto& [key, text] : *pairs) {
    if (argument == "--arm-codes") {
      const auto arm = ParseIntegerText(key);
      if (!arm || *arm < 1 || options.arm_codes.contains(*arm)) {
        error = "--arm-codes needs ARM=CODE pairs, ARM a number from 1, each arm once";
        return true;
      }
      options.arm_codes.emplace(*arm, text);
    } else {
      const auto id = WholeNumber(text);
      if (!id) {
        error = "--dag-ids needs CENTRE=ID pairs, ID a whole number, not " + text;
        return true;
      }
      options.dag_ids.emplace(key, *id);
    }
  }
  return true;
}

std::variant<RedcapTableRequest, std::string> RedcapRequestOf(const TableOptions& options) {
  RedcapTableRequest request;
  for (const auto& [arm, code] : options.arm_codes) {
    auto converted = Utf8ToCp1252(code);
    if (!converted) {
      return "the code of arm " + std::to_string(arm) + " holds characters outside cp1252";
    }
    request.arm_codes.emplace(arm, std::move(*converted));
  }
  if (options.centre_field) {
    auto converted = Utf8ToCp1252(*options.centre_field);
    if (!converted) {
      return std::string("the centre field's name holds characters outside cp1252");
    }
    request.centre_field = std::move(*converted);
  }
  for (const auto& [centre, id] : options.dag_ids) {
    auto converted = Utf8ToCp1252(centre);
    if (!converted) {
      return std::string("a centre number of --dag-ids holds characters outside cp1252");
    }
    request.group_ids.emplace(std::move(*converted), id);
  }
  return request;
}

}  // namespace zufora::cli
