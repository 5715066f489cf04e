#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zufora {

// SHA-256 (FIPS 180-4) of bytes given in parts.
class Sha256 {
 public:
  Sha256();
  void Add(std::string_view bytes);
  // The digest as 64 lowercase hex digits; ends the hashing.
  std::string HexDigest();

 private:
  void Compress(const unsigned char* block);

  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> block_{};
  std::size_t block_used_ = 0;
  std::uint64_t length_ = 0;  // bytes
};

}  // namespace zufora
