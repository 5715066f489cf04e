#include "files/FileAccess.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "files/FileReplacement.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

FileBytes Unreadable(std::string reason) {
  FileBytes result;
  result.status = FileReadStatus::Unreadable;
  result.reason = std::move(reason);
  return result;
}

std::string ErrnoText(int error) {
  if (error == 0) {
    return std::make_error_code(std::errc::io_error).message();
  }
  return std::error_code(error, std::generic_category()).message();
}

FileBytes TooLarge() {
  FileBytes result = Unreadable(std::make_error_code(std::errc::file_too_large).message());
  result.too_large = true;
  return result;
}

}  // namespace

FileBytes ReadFileBytes(const fs::path& file, std::uintmax_t max_size) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) {
    return FileBytes{};
  }
  if (error) {
    return Unreadable(error.message());
  }
  // Only plain files: a folder cannot be read, and a device or pipe might never end.
  if (status.type() == fs::file_type::directory) {
    return Unreadable(std::make_error_code(std::errc::is_a_directory).message());
  }
  if (status.type() != fs::file_type::regular) {
    return Unreadable("not a regular file");
  }
  if (fs::file_size(file, error) > max_size && !error) {
    return TooLarge();
  }

  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return Unreadable(ErrnoText(errno));
  }
  FileBytes result;
  result.status = FileReadStatus::Read;
  char buffer[1 << 16];
  while (in) {
    in.read(buffer, sizeof buffer);
    result.bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() > max_size) {
      return TooLarge();  // it grew while being read
    }
  }
  if (in.bad()) {
    return Unreadable(std::make_error_code(std::errc::io_error).message());
  }
  return result;
}

void ReplaceFileContents(const fs::path& file, std::string_view bytes) {
  FileReplacement replacement(file);
  replacement.Write(bytes);
  replacement.Commit();
}

}  // namespace zufora
