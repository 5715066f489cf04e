#pragma once

#include <QString>

namespace zufora::app {

// What an input lost because cp1252 cannot hold it.
struct RefusedCharacters {
  QString first;           // the first character left out (a surrogate pair counts as one)
  qsizetype count = 0;     // how many characters were left out
  bool only_first = true;  // every character left out is `first`
};

// An input split into what cp1252 holds, in order, and what was left out.
struct Cp1252Input {
  QString kept;
  RefusedCharacters refused;
};

// Keeps the characters of `text` that cp1252 can hold.
Cp1252Input KeepCp1252(QStringView text);

}  // namespace zufora::app
