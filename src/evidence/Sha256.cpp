#include "evidence/Sha256.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace zufora {

struct Sha256::Context {
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  bool started = false;

  ~Context() { EVP_MD_CTX_free(context); }

  void Start() {
    if (context == nullptr || EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1) {
      throw std::runtime_error("SHA-256 is not available from libcrypto");
    }
    started = true;
  }
};

Sha256::Sha256() : context_(std::make_unique<Context>()) {}
Sha256::~Sha256() = default;
Sha256::Sha256(Sha256&&) noexcept = default;
Sha256& Sha256::operator=(Sha256&&) noexcept = default;

void Sha256::Add(std::string_view bytes) {
  if (!context_->started) {
    context_->Start();
  }
  if (!bytes.empty() && EVP_DigestUpdate(context_->context, bytes.data(), bytes.size()) != 1) {
    throw std::runtime_error("SHA-256 failed in libcrypto");
  }
}

std::string Sha256::HexDigest() {
  if (!context_->started) {
    context_->Start();
  }
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context_->context, digest.data(), &length) != 1) {
    throw std::runtime_error("SHA-256 failed in libcrypto");
  }
  context_->started = false;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * length);
  for (unsigned int i = 0; i < length; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 0xF];
  }
  return hex;
}

std::string Sha256Hex(std::string_view bytes) {
  Sha256 hash;
  hash.Add(bytes);
  return hash.HexDigest();
}

std::optional<FileDigest> Sha256OfFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  Sha256 hash;
  FileDigest digest;
  std::string buffer(std::size_t{1} << 16, '\0');
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    hash.Add(std::string_view(buffer.data(), got));
    digest.bytes += got;
  }
  if (in.bad()) {
    return std::nullopt;
  }
  digest.sha256 = hash.HexDigest();
  return digest;
}

}  // namespace zufora
