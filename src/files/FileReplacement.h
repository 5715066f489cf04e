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
// Every output of the program goes through this one check, made at construction before
// anything is written: the file must be a regular file that this user may write, or not
// exist yet in a folder that may be written; a folder, a device, a pipe or socket, a
// symbolic link to any of these or to nothing, and a file that may not be written are
// refused. Every step throws FileWriteError when it fails; the old file is then left
// exactly as it was. Without a successful Commit the new file is removed when the object
// goes. A file that may be written in a folder that may not refuses too: the file is
// never rewritten in place, where a failure would leave it half-written.
//
// The new file is named after the file and the writing process, ".NAME.PID.N.tmp" (NAME
// cut to 200 bytes). One left behind by a process that was killed is removed by the next
// replacement of the same file once that process is gone, so leftovers never pile up
// and never stop a later write.
class FileReplacement {
 public:
  explicit FileReplacement(const std::filesystem::path& file);
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement();

  void Write(std::string_view bytes);
  // The new file, for a writer that writes the contents by name (a PDF printer) instead
  // of through Write; it exists, empty, until then.
  const std::filesystem::path& TemporaryPath() const { return temporary_; }
  // The file that Commit replaces: the target of a symbolic link, else the file as given.
  const std::filesystem::path& Target() const { return target_; }
  // Flushes the new file to the disk and renames it over the target.
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

// Removes the new files of earlier replacements of `target` whose writing process has
// gone (killed before it could clean up). Runs at the start of every FileReplacement.
void RemoveAbandonedTemporaries(const std::filesystem::path& target);

// Whether two output names reach the same file: the same existing file under any name or
// link, or, for files that do not exist yet, the same place once links to folders are
// followed and "." and ".." resolved.
bool SameOutputFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace zufora
