#pragma once

#include <functional>
#include <string>

namespace zufora {

// Gives the date that a print job's header shows, in the system's short date format.
// A job reads it once, when its engine draws the first page; the window and the command
// line pass the system's date, tests a date of their own.
using HeaderDateClock = std::function<std::string()>;

}  // namespace zufora
