#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace zufora {

// A file's new contents, written in parts to a new file beside it (same folder) and put
// in its place in one step by Commit, so that readers see either the old or the new
// contents, never a part, however long the writing takes. An existing file keeps its
// permission bits; when it is a symbolic link, the file it points to is replaced.
//
// Every step throws FileWriteError when it fails (an existing file that cannot be opened
// for writing, a folder without write permission or that does not exist, a target that is
// a folder, a failed write); the old file is then left exactly as it was. Without a
// successful Commit the new file is removed when the object goes. A file that may be
// written in a folder that may not refuses too: the file is never rewritten in place,
// where a failure would leave it half-written.
class FileReplacement {
 public:
  explicit FileReplacement(const std::filesystem::path& file);
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  void Write(std::string_view bytes);
  void Commit();

 private:
  std::filesystem::path file_;  // as given, for the error text
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* stream_ = nullptr;
  bool exists_ = false;
  std::filesystem::perms permissions_ = std::filesystem::perms::unknown;
  bool committed_ = false;
};

}  // namespace zufora
