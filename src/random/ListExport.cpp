#include "random/ListExport.h"

namespace zufora {

std::string ExportBytes(std::string_view list_text) {
  std::string bytes;
  bytes.reserve(list_text.size() + list_text.size() / 16 + 2);
  std::size_t i = 0;
  while (i < list_text.size()) {
    const std::size_t end = list_text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      bytes.append(list_text.substr(i));
      bytes += "\r\n";
      break;
    }
    bytes.append(list_text.substr(i, end - i));
    bytes += "\r\n";
    i = end + 1;
    if (list_text[end] == '\r' && i < list_text.size() && list_text[i] == '\n') {
      ++i;
    }
  }
  return bytes;
}

}  // namespace zufora
