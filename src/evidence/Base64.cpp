#include "evidence/Base64.h"

#include <openssl/evp.h>

#include <algorithm>

namespace zufora {
namespace {

// EVP_EncodeBlock and EVP_DecodeBlock take an int length: parts of this many bytes (a
// multiple of 3, so that only the last part is padded) and of this many characters.
constexpr std::size_t kPartBytes = std::size_t{3} << 20;
constexpr std::size_t kPartCharacters = kPartBytes / 3 * 4;

}  // namespace

std::string Base64Encode(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t start = 0; start < bytes.size(); start += kPartBytes) {
    const std::string_view part = bytes.substr(start, kPartBytes);
    std::string encoded((part.size() + 2) / 3 * 4 + 1, '\0');
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                                       reinterpret_cast<const unsigned char*>(part.data()),
                                       static_cast<int>(part.size()));
    text.append(encoded.data(), static_cast<std::size_t>(std::max(length, 0)));
  }
  return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
  if (text.size() % 4 != 0 ||
      text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=") !=
          std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t padding = text.ends_with("==") ? 2 : text.ends_with("=") ? 1 : 0;
  if (text.substr(0, text.size() - padding).find('=') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(text.size() / 4 * 3);
  for (std::size_t start = 0; start < text.size(); start += kPartCharacters) {
    const std::string_view part = text.substr(start, kPartCharacters);
    std::string decoded(part.size() / 4 * 3 + 1, '\0');
    const int length = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(decoded.data()),
                                       reinterpret_cast<const unsigned char*>(part.data()),
                                       static_cast<int>(part.size()));
    if (length < 0) {
      return std::nullopt;
    }
    bytes.append(decoded.data(), static_cast<std::size_t>(length));
  }
  // EVP_DecodeBlock counts the padding as zero bytes.
  bytes.resize(bytes.size() - padding);
  return bytes;
}

}  // namespace zufora
