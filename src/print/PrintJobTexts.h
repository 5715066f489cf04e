#pragma once

#include <string>

namespace zufora {

// What a print run takes from the main window, all cp1252.
struct PrintJobTexts {
  // The list field's text; lines are separated by LF, CR LF or CR, and a break after
  // the last line opens no further line.
  std::string list_text;
  // `BlockSeparator` and `CenterCaption` of the main window.
  std::string block_separator = "------- Block ------";
  std::string center_caption = "Zentrum";
  // The main window's caption: the document name of the print job.
  std::string document_name = "Quandel Zufora Version 1.2";
  // The header date in the system's short date format, read once for the job.
  std::string date;
};

}  // namespace zufora
