#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zufora {

// Base64 (RFC 4648, with padding, no line breaks), by OpenSSL's libcrypto: how the
// provenance record carries a file's bytes.
std::string Base64Encode(std::string_view bytes);
// None when the text is not Base64.
std::optional<std::string> Base64Decode(std::string_view text);

}  // namespace zufora
