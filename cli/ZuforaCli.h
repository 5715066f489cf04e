#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "random/SeedProposal.h"

namespace zufora::cli {

inline constexpr int kExitComplete = 0;
inline constexpr int kExitIncomplete = 1;  // stopped by a check, abandoned, or not drawable
inline constexpr int kExitFailure = 2;     // wrong command line, or a file problem

// The whole command-line program: the arguments without the program name, the streams
// for the list (out) and the messages (err), and the clock that seed proposals read.
int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock);

}  // namespace zufora::cli
