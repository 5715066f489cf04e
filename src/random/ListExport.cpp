#include "random/ListExport.h"

#include "text/LineSplitter.h"

namespace zufora {

std::string ExportBytes(std::string_view list_text) {
  std::string bytes;
  bytes.reserve(list_text.size() + list_text.size() / 16 + 2);
  LineSplitter lines(list_text);
  for (std::string_view line; lines.Next(line);) {
    bytes.append(line);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace zufora
