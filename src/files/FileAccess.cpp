#include "files/FileAccess.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "files/FileWriteError.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

// The part of a file's name that its new file beside it repeats.
constexpr std::size_t kMaxTemporaryStem = 200;

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

// Closes a stream and removes the new file on every way out that does not commit it.
class TemporaryFile {
 public:
  TemporaryFile(std::FILE* stream, fs::path path) : stream_(stream), path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (stream_ != nullptr) {
      std::fclose(stream_);
    }
    if (!committed_) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }

  bool Write(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
      return false;
    }
    const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return flushed && closed;
  }

  // The error of the rename; none when the new file took the target's place.
  std::error_code RenameOver(const fs::path& target) {
    std::error_code error;
    fs::rename(path_, target, error);
    committed_ = !error;
    return error;
  }

  const fs::path& Path() const { return path_; }

 private:
  std::FILE* stream_;
  fs::path path_;
  bool committed_ = false;
};

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
  std::error_code error;
  fs::path target = file;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    fs::path resolved = fs::canonical(target, error);
    if (!error) {
      target = std::move(resolved);
    }
  }
  const fs::file_status status = fs::status(target, error);
  const bool exists = status.type() != fs::file_type::not_found;
  if (exists) {
    if (status.type() != fs::file_type::regular) {
      throw FileWriteError(file, status.type() == fs::file_type::directory
                                     ? std::make_error_code(std::errc::is_a_directory).message()
                                     : "not a regular file");
    }
    // A file that may not be written is refused before anything else happens, as the
    // platform refuses to write a key into it; opening to append changes nothing.
    errno = 0;
    std::FILE* probe = std::fopen(target.string().c_str(), "ab");
    if (probe == nullptr) {
      throw FileWriteError(file, ErrnoText(errno));
    }
    std::fclose(probe);
  }
  const std::string name = target.filename().string();
  if (name.empty() || name == "." || name == "..") {
    throw FileWriteError(file, std::make_error_code(std::errc::is_a_directory).message());
  }

  std::FILE* stream = nullptr;
  fs::path temporary;
  // The new file's name stays within the 255 bytes that a name may have: the file's own
  // name, cut for long ones, between a dot and the attempt's number.
  const std::string stem = name.substr(0, kMaxTemporaryStem);
  for (int attempt = 0; attempt < 100 && stream == nullptr; ++attempt) {
    temporary = target.parent_path() / ("." + stem + "." + std::to_string(attempt) + ".tmp");
    errno = 0;
    // "x": create a new file only, never reuse or follow one that is already there.
    stream = std::fopen(temporary.string().c_str(), "wbx");
    if (stream == nullptr && errno != EEXIST) {
      break;
    }
  }
  if (stream == nullptr) {
    throw FileWriteError(file, ErrnoText(errno));
  }
  TemporaryFile output(stream, temporary);
  errno = 0;
  if (!output.Write(bytes)) {
    throw FileWriteError(file, ErrnoText(errno));
  }
  if (exists) {
    fs::permissions(output.Path(), status.permissions(), error);  // best effort
  }
  if (const std::error_code renamed = output.RenameOver(target)) {
    throw FileWriteError(file, renamed.message());
  }
}

}  // namespace zufora
