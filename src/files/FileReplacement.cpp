#include "files/FileReplacement.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "files/FileWriteError.h"

namespace zufora {

namespace fs = std::filesystem;

namespace {

// The part of a file's name that its new file beside it repeats.
constexpr std::size_t kMaxTemporaryStem = 200;

std::string ErrnoText(int error) {
  if (error == 0) {
    return std::make_error_code(std::errc::io_error).message();
  }
  return std::error_code(error, std::generic_category()).message();
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& file) : file_(file), target_(file) {
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(target_, error))) {
    fs::path resolved = fs::canonical(target_, error);
    if (!error) {
      target_ = std::move(resolved);
    }
  }
  const fs::file_status status = fs::status(target_, error);
  exists_ = status.type() != fs::file_type::not_found;
  if (exists_) {
    if (status.type() != fs::file_type::regular) {
      throw FileWriteError(file_, status.type() == fs::file_type::directory
                                      ? std::make_error_code(std::errc::is_a_directory).message()
                                      : "not a regular file");
    }
    // A file that may not be written is refused before anything else happens, as the
    // platform refuses to write a key into it; opening to append changes nothing.
    errno = 0;
    std::FILE* probe = std::fopen(target_.string().c_str(), "ab");
    if (probe == nullptr) {
      throw FileWriteError(file_, ErrnoText(errno));
    }
    std::fclose(probe);
    permissions_ = status.permissions();
  }
  const std::string name = target_.filename().string();
  if (name.empty() || name == "." || name == "..") {
    throw FileWriteError(file_, std::make_error_code(std::errc::is_a_directory).message());
  }
  // The new file's name stays within the 255 bytes that a name may have: the file's own
  // name, cut for long ones, between a dot and the attempt's number.
  const std::string stem = name.substr(0, kMaxTemporaryStem);
  for (int attempt = 0; attempt < 100 && stream_ == nullptr; ++attempt) {
    temporary_ = target_.parent_path() / ("." + stem + "." + std::to_string(attempt) + ".tmp");
    errno = 0;
    // "x": create a new file only, never reuse or follow one that is already there.
    stream_ = std::fopen(temporary_.string().c_str(), "wbx");
    if (stream_ == nullptr && errno != EEXIST) {
      break;
    }
  }
  if (stream_ == nullptr) {
    throw FileWriteError(file_, ErrnoText(errno));
  }
}

FileReplacement::~FileReplacement() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
  }
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
  }
}

void FileReplacement::Write(std::string_view bytes) {
  errno = 0;
  if (stream_ == nullptr ||
      (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size())) {
    throw FileWriteError(file_, ErrnoText(errno));
  }
}

void FileReplacement::Commit() {
  if (stream_ == nullptr) {
    throw FileWriteError(file_, "already closed");
  }
  errno = 0;
  const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
  const int flush_error = errno;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!flushed || !closed) {
    throw FileWriteError(file_, ErrnoText(flushed ? errno : flush_error));
  }
  std::error_code error;
  if (exists_) {
    fs::permissions(temporary_, permissions_, error);  // best effort
  }
  fs::rename(temporary_, target_, error);
  if (error) {
    throw FileWriteError(file_, error.message());
  }
  committed_ = true;
}

}  // namespace zufora
