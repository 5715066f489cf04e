#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zufora {

enum class FileReadStatus {
  Read,        // the bytes were read
  Missing,     // no file of that name
  Unreadable,  // it exists but cannot be read (a folder, no permission, a read error)
};

struct FileBytes {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;       // the whole file when read, else empty
  std::string reason;      // for Unreadable: the system's description of the failure
  bool too_large = false;  // Unreadable because it has more than the bytes allowed
};

// The largest design file the program reads or writes. A design at every limit of the
// program (100,000 centres, 65,536 arms) with texts of ordinary length takes a few
// megabytes; this leaves room for long descriptions while keeping what a file can cost
// in memory small (the text itself, and about 16 bytes per line for its index).
inline constexpr std::uintmax_t kMaxDesignFileSize = std::uintmax_t{32} * 1024 * 1024;

// Reads a whole file of at most max_size bytes; a larger one is Unreadable and too_large,
// and is never read into memory beyond that size.
FileBytes ReadFileBytes(const std::filesystem::path& file,
                        std::uintmax_t max_size = kMaxDesignFileSize);

// Replaces a file's contents in one step: the bytes go to a new file beside it (same
// folder), which is flushed and closed and then renamed over the file, so that readers
// see either the old or the new contents, never a part. An existing file keeps its
// permission bits; when it is a symbolic link, the file it points to is replaced.
// Throws FileWriteError when any step fails (an existing file that cannot be opened for
// writing, a folder without write permission or that does not exist, a target that is a
// folder, a failed write); the old file is then left exactly as it was and the new file
// beside it is removed. A file that may be written in a folder that may not refuses too:
// the file is never rewritten in place, where a failure would leave it half-written.
void ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

}  // namespace zufora
