#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "ZuforaCli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const zufora::CalendarClock clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
  const int status = zufora::cli::RunZuforaCli(arguments, std::cout, std::cerr, clock);
  std::cout.flush();
  return std::cout ? status : zufora::cli::kExitFailure;
}
