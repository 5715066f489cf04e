#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "evidence/Sha256.h"

namespace zufora {

// A line of a file as BoundedLineReader gives it: its start, its length, and for a longer
// line on request the SHA-256 of the whole of it, so that a line of any length can be
// compared while only its start is held.
struct FileLine {
  std::int64_t number = 0;            // from 1
  std::string head;                   // the first kHeadBytes bytes, without the line end
  std::uint64_t length = 0;           // the whole line's bytes, without the line end
  std::optional<std::string> digest;  // of a line longer than its head, when asked for

  bool Whole() const { return length == head.size(); }
  // Whether the line is exactly `text`.
  bool Is(std::string_view text) const;
};

// Reads the lines of a stream (ended by LF or CR LF; a last line without one counts) in
// parts of 64 KiB, keeping of each line no more than its head: the memory stays the same
// whatever the length of a line or of the file.
class BoundedLineReader {
 public:
  static constexpr std::size_t kHeadBytes = std::size_t{256} << 10;

  explicit BoundedLineReader(std::istream& in);

  // Skips a UTF-8 byte-order mark at the very start of the stream; whether there was one.
  bool SkipByteOrderMark();
  // The next line; false at the end of the stream. For a line longer than its head,
  // `wants_digest` is asked with the head whether to hash the whole line.
  bool Next(FileLine& line, const std::function<bool(std::string_view head)>& wants_digest = {});

 private:
  bool Fill();
  void Append(std::string_view bytes, FileLine& line,
              const std::function<bool(std::string_view)>& wants_digest);
  void Take(std::string_view bytes, FileLine& line,
            const std::function<bool(std::string_view)>& wants_digest);

  std::istream& in_;
  std::string chunk_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::int64_t lines_ = 0;
  bool started_ = false;
  // Within a line: a CR held back until it is known not to end the line; whether the
  // part beyond the head is hashed (decided once the head is full).
  bool pending_cr_ = false;
  bool decided_ = false;
  bool hashing_ = false;
  Sha256 hash_;
};

}  // namespace zufora
