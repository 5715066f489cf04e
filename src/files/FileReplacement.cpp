#include "files/FileReplacement.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

#include "files/FileWriteError.h"

namespace zufora {

namespace fs = std::filesystem;

namespace {

// The part of a file's name that its new file beside it repeats: with the process id,
// a count and the dots the new name stays within the 255 bytes a name may have.
constexpr std::size_t kMaxTemporaryStem = 200;
constexpr std::string_view kTemporarySuffix = ".tmp";

std::atomic<unsigned> temporary_count{0};

std::string ErrnoText(int error) {
  if (error == 0) {
    return std::make_error_code(std::errc::io_error).message();
  }
  return std::error_code(error, std::generic_category()).message();
}

// ".NAME." of the new files of `target`.
std::string TemporaryPrefix(const fs::path& target) {
  return "." + target.filename().string().substr(0, kMaxTemporaryStem) + ".";
}

bool ProcessAlive(pid_t pid) {
  return ::kill(pid, 0) == 0 || errno == EPERM;
}

// The writer's process id of a new file's name "PREFIX PID.N.tmp"; none for other names.
std::optional<pid_t> WriterOf(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() + kTemporarySuffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(kTemporarySuffix)) {
    return std::nullopt;
  }
  const std::string_view middle =
      name.substr(prefix.size(), name.size() - prefix.size() - kTemporarySuffix.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(middle.data(), middle.data() + middle.size(), pid);
  if (error != std::errc() || pid <= 0 || end == middle.data() + middle.size() || *end != '.') {
    return std::nullopt;
  }
  const std::string_view count = middle.substr(static_cast<std::size_t>(end - middle.data()) + 1);
  if (count.empty() || count.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return pid;
}

}  // namespace

void RemoveAbandonedTemporaries(const fs::path& target) {
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string prefix = TemporaryPrefix(target);
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    return;  // the replacement itself will say what is wrong with the folder
  }
  const pid_t self = ::getpid();
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    if (error) {
      return;
    }
    const std::optional<pid_t> writer = WriterOf(entries->path().filename().string(), prefix);
    if (writer && *writer != self && !ProcessAlive(*writer)) {
      std::error_code ignored;
      fs::remove(entries->path(), ignored);
    }
  }
}

namespace {

// Where writing to `file` would go: links followed, also to a file not there yet.
std::optional<fs::path> PlaceOf(fs::path file) {
  std::error_code error;
  for (int links = 0; links < 40; ++links) {
    file = fs::weakly_canonical(fs::absolute(file, error), error);
    if (error) {
      return std::nullopt;
    }
    if (!fs::is_symlink(fs::symlink_status(file, error))) {
      return file;
    }
    const fs::path target = fs::read_symlink(file, error);
    if (error) {
      return std::nullopt;
    }
    file = file.parent_path() / target;
  }
  return std::nullopt;
}

}  // namespace

bool SameOutputFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (fs::equivalent(a, b, error) && !error) {
    return true;
  }
  const std::optional<fs::path> place_a = PlaceOf(a);
  const std::optional<fs::path> place_b = PlaceOf(b);
  return place_a && place_b && *place_a == *place_b;
}

FileReplacement::FileReplacement(const fs::path& file) : file_(file), target_(file) {
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(target_, error))) {
    fs::path resolved = fs::canonical(target_, error);
    if (error) {
      throw FileWriteError(file_, "a symbolic link to a file that does not exist");
    }
    target_ = std::move(resolved);
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
  RemoveAbandonedTemporaries(target_);
  const std::string prefix = TemporaryPrefix(target_) + std::to_string(::getpid()) + ".";
  int descriptor = -1;
  // Only a new file of this process's own name can be in the way, and only a leftover of
  // an earlier process that had the same id: the next count is free.
  for (int attempt = 0; attempt < 1000 && descriptor < 0; ++attempt) {
    temporary_ = target_.parent_path() /
                 (prefix + std::to_string(temporary_count++) + std::string(kTemporarySuffix));
    errno = 0;
    // O_EXCL: create a new file only, never reuse or follow one that is already there.
    descriptor = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) {
      break;
    }
  }
  if (descriptor < 0) {
    const int open_error = errno;
    temporary_.clear();
    throw FileWriteError(file_, ErrnoText(open_error));
  }
  stream_ = ::fdopen(descriptor, "wb");
  if (stream_ == nullptr) {
    const int open_error = errno;
    ::close(descriptor);
    fs::remove(temporary_, error);
    temporary_.clear();
    throw FileWriteError(file_, ErrnoText(open_error));
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
  // On the disk before the name points at it, so that a crash leaves the old or the new
  // contents, never an empty file.
  const bool flushed =
      std::fflush(stream_) == 0 && std::ferror(stream_) == 0 && ::fsync(::fileno(stream_)) == 0;
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
