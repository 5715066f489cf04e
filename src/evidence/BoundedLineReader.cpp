#include "evidence/BoundedLineReader.h"

#include <algorithm>
#include <cstring>

namespace zufora {
namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool FileLine::Is(std::string_view text) const {
  if (length != text.size()) {
    return false;
  }
  if (Whole()) {
    return head == text;
  }
  return digest && *digest == Sha256Hex(text);
}

BoundedLineReader::BoundedLineReader(std::istream& in) : in_(in), chunk_(kChunkBytes, '\0') {}

bool BoundedLineReader::Fill() {
  if (begin_ < end_) {
    return true;
  }
  begin_ = 0;
  end_ = 0;
  if (!in_) {
    return false;
  }
  in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool BoundedLineReader::SkipByteOrderMark() {
  if (started_) {
    return false;
  }
  started_ = true;
  // The mark may arrive in parts only when the stream gives fewer bytes than it has.
  while (end_ < kByteOrderMark.size() && in_) {
    in_.read(chunk_.data() + end_, static_cast<std::streamsize>(kByteOrderMark.size() - end_));
    end_ += static_cast<std::size_t>(in_.gcount());
  }
  if (std::string_view(chunk_.data(), end_).starts_with(kByteOrderMark)) {
    begin_ = kByteOrderMark.size();
    return true;
  }
  return false;
}

void BoundedLineReader::Take(std::string_view bytes, FileLine& line,
                             const std::function<bool(std::string_view)>& wants_digest) {
  line.length += bytes.size();
  if (line.head.size() < kHeadBytes) {
    const std::size_t take = std::min(kHeadBytes - line.head.size(), bytes.size());
    line.head.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
  }
  if (bytes.empty()) {
    return;
  }
  if (!decided_) {
    decided_ = true;
    hashing_ = wants_digest && wants_digest(line.head);
    if (hashing_) {
      hash_.Add(line.head);
    }
  }
  if (hashing_) {
    hash_.Add(bytes);
  }
}

void BoundedLineReader::Append(std::string_view bytes, FileLine& line,
                               const std::function<bool(std::string_view)>& wants_digest) {
  if (bytes.empty()) {
    return;
  }
  if (pending_cr_) {
    pending_cr_ = false;
    Take("\r", line, wants_digest);
  }
  if (bytes.back() == '\r') {
    pending_cr_ = true;
    bytes.remove_suffix(1);
  }
  Take(bytes, line, wants_digest);
}

bool BoundedLineReader::Next(FileLine& line,
                             const std::function<bool(std::string_view)>& wants_digest) {
  started_ = true;
  line.head.clear();
  line.length = 0;
  line.digest.reset();
  pending_cr_ = false;
  decided_ = false;
  hashing_ = false;
  bool any = false;
  while (Fill()) {
    any = true;
    const char* start = chunk_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    const std::size_t count =
        newline != nullptr ? static_cast<std::size_t>(newline - start) : end_ - begin_;
    Append(std::string_view(start, count), line, wants_digest);
    begin_ += count;
    if (newline != nullptr) {
      ++begin_;
      break;
    }
  }
  if (!any) {
    return false;
  }
  if (hashing_) {
    line.digest = hash_.HexDigest();
  }
  line.number = ++lines_;
  return true;
}

}  // namespace zufora
