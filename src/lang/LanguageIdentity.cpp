#include "lang/LanguageIdentity.h"

namespace zufora {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool IsLanguageCode(std::string_view code) {
  if (code.empty() || code.size() > 16 || !IsAsciiLetter(code.front())) {
    return false;
  }
  for (const char c : code) {
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_' && c != '-') {
      return false;
    }
  }
  return true;
}

LanguageIdentity ReadLanguageIdentity(const LanguageFile& file) {
  LanguageIdentity identity;
  const std::string_view code = file.Find(kLanguageSection, "Code").value_or("");
  if (IsLanguageCode(code) && code != identity.code) {
    identity.code = std::string(code);
    identity.name = identity.code;
  }
  const std::string_view name = file.Find(kLanguageSection, "Name").value_or("");
  if (!name.empty()) {
    identity.name = std::string(name);
  }
  return identity;
}

}  // namespace zufora
