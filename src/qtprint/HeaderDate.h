#pragma once

#include <QDate>
#include <string>

namespace zufora {

// The date in the print header: the short date form of German, dd.MM.yy ("08.12.26"),
// whatever the locale of the machine, because the program and its printout are German.
std::string HeaderDate(const QDate& date);

// Today's header date, from the system clock.
std::string TodaysHeaderDate();

}  // namespace zufora
