#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ProgramContext.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

inline constexpr int kExitComplete = 0;
inline constexpr int kExitIncomplete = 1;  // stopped by a check, abandoned, or not drawable
inline constexpr int kExitFailure = 2;     // wrong command line, or a file problem

// The whole command-line program: the arguments without the program name, the streams
// for the list (out) and the messages (err), the clock that seed proposals read, and what
// the program knows of itself.
int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock, const ProgramContext& context = {});

}  // namespace zufora::cli
