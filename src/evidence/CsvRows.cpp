#include "evidence/CsvRows.h"

#include <charconv>

namespace zufora {
namespace {

constexpr std::size_t kPartBytes = std::size_t{1} << 16;

bool StartsFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

}  // namespace

std::string CsvField(std::string_view text) {
  const bool formula = StartsFormula(text);
  if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = formula ? "\"'" : "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + '"';
}

void CsvRows::AppendNumber(std::int64_t value) {
  char digits[24];
  buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void CsvRows::EndRow() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kPartBytes) {
    Finish();
  }
}

void CsvRows::Finish() {
  if (!buffer_.empty()) {
    sink_.Write(buffer_);
    buffer_.clear();
  }
}

}  // namespace zufora
