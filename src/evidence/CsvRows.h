#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "random/ListTextSink.h"

namespace zufora {

// A field as CSV writes it: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise. A text that a spreadsheet would take as a
// formula (its first character '=', '+', '-', '@', TAB or CR) is neutralised as OWASP's
// guidance on CSV injection says: a single quote before it, and the field quoted.
std::string CsvField(std::string_view text);

// The rows of a CSV table (comma-separated, each row ended by CR LF) handed to a sink in
// parts of whole rows, about 64 KiB each. The caller writes a row's fields, quoted where
// needed and with the commas between them, then ends the row; Finish hands on the rest.
class CsvRows {
 public:
  explicit CsvRows(ListTextSink& sink) : sink_(sink) {}

  void Append(std::string_view text) { buffer_ += text; }
  void Append(char c) { buffer_ += c; }
  void AppendNumber(std::int64_t value);
  void EndRow();
  void Finish();

 private:
  ListTextSink& sink_;
  std::string buffer_;
};

}  // namespace zufora
