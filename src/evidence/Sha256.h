#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zufora {

// SHA-256 (FIPS 180-4) of bytes given in parts, computed by OpenSSL's libcrypto.
class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(Sha256&&) noexcept;
  Sha256& operator=(Sha256&&) noexcept;

  void Add(std::string_view bytes);
  // The digest as 64 lowercase hex digits; ends the hashing (a new one starts afresh).
  std::string HexDigest();

 private:
  struct Context;
  std::unique_ptr<Context> context_;
};

// The SHA-256 of bytes in one piece.
std::string Sha256Hex(std::string_view bytes);

// The SHA-256 of a file's bytes, read in parts (memory does not grow with the file), and
// how many there were; none when it cannot be read or is no regular file.
struct FileDigest {
  std::string sha256;
  std::uintmax_t bytes = 0;
};
std::optional<FileDigest> Sha256OfFile(const std::filesystem::path& file);

}  // namespace zufora
