#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "ZuforaCli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const zufora::CalendarClock clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
  zufora::cli::ProgramContext context;
  std::error_code error;
  context.executable = std::filesystem::read_symlink("/proc/self/exe", error);
  context.err_is_terminal = ::isatty(STDERR_FILENO) == 1;
  const int status = zufora::cli::RunZuforaCli(arguments, std::cout, std::cerr, clock, context);
  std::cout.flush();
  return std::cout ? status : zufora::cli::kExitFailure;
}
