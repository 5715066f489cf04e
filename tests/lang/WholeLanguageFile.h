#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "lang/LanguageFile.h"

namespace zufora::testing {

// A language file read whole and parsed, for the tests of its texts. Reading a file from
// disk, with its size limit and its failures, belongs to the files layer and its tests.
inline LanguageFile ReadWholeLanguageFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    throw std::runtime_error("cannot read " + path.string());
  }
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return LanguageFile::Parse(std::move(bytes));
}

}  // namespace zufora::testing
