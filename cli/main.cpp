#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "ZuforaCli.h"

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Where this program and its user keep their language files.
zufora::LanguagePlaces ProgramLanguagePlaces() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return {.executable_folder = error ? std::filesystem::path() : program.parent_path(),
          .environment = {.home = Environment("HOME"),
                          .xdg_config_home = Environment("XDG_CONFIG_HOME")}};
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const zufora::CalendarClock clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
  zufora::cli::ProgramContext context;
  std::error_code error;
  context.executable = std::filesystem::read_symlink("/proc/self/exe", error);
  context.language_places = ProgramLanguagePlaces();
  context.err_is_terminal = ::isatty(STDERR_FILENO) == 1;
  const int status = zufora::cli::RunZuforaCli(arguments, std::cout, std::cerr, clock, context);
  std::cout.flush();
  return std::cout ? status : zufora::cli::kExitFailure;
}
