#include "evidence/ProgramBuild.h"

namespace zufora {

std::string CompilerDescription() {
  std::string build =
#if defined(__clang__)
      "clang " __clang_version__;
#elif defined(__GNUC__)
      "gcc " __VERSION__;
#else
      "unknown compiler";
#endif
#ifdef NDEBUG
  build += ", optimised";
#else
  build += ", with assertions";
#endif
  return build;
}

std::string PlatformDescription() {
  std::string platform =
#if defined(__linux__)
      "Linux";
#elif defined(_WIN32)
      "Windows";
#elif defined(__APPLE__)
      "macOS";
#else
      "unknown system";
#endif
#if defined(__x86_64__) || defined(_M_X64)
  platform += " x86-64";
#elif defined(__aarch64__)
  platform += " arm64";
#endif
  return platform;
}

}  // namespace zufora
