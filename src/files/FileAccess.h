#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zufora {

enum class FileReadStatus {
  Read,        // the bytes were read
  Missing,     // no file of that name (the window loads it as an empty design)
  Unreadable,  // it exists but cannot be read (a folder, no permission, a read error)
};

struct FileBytes {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;   // the whole file when read, else empty
  std::string reason;  // for Unreadable: the system's description of the failure
};

// Reads a whole file.
FileBytes ReadFileBytes(const std::filesystem::path& file);

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
