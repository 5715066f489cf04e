#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "lang/LanguageFileLocation.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

inline constexpr int kExitComplete = 0;
inline constexpr int kExitIncomplete = 1;  // stopped by a check, abandoned, or not drawable
inline constexpr int kExitFailure = 2;     // wrong command line, or a file problem

// The whole command-line program: the arguments without the program name, the streams
// for the list (out) and the messages (err), and the clock that seed proposals read.
int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock);
// The same, and a command that draws a design's lists (generate, verify, report) without
// --lang looks for the language file where the window does (lang/LanguageFileLocation.h),
// and says on `err` which one it used when it is the user's own or the user's choice.
int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock, const std::optional<LanguagePlaces>& language_places);

}  // namespace zufora::cli
