#pragma once

#include <string>

#include "print/HeaderDateClock.h"

namespace zufora {

struct ProgramTexts;

// What a print run takes from the main window, all cp1252.
struct PrintJobTexts {
  // The texts of the program after its first show, so that the separator, the centre
  // word and the document name follow the language file.
  static PrintJobTexts From(const ProgramTexts& texts, std::string list_text, HeaderDateClock date);

  // The list field's text; lines are separated by LF, CR LF or CR, and a break after
  // the last line opens no further line.
  std::string list_text;
  // `BlockSeparator` and `CenterCaption` of the main window, and the word of a stratum
  // heading without centres (LabelStratum).
  std::string block_separator;
  std::string center_caption;
  std::string stratum_caption;
  // The main window's caption: the document name of the print job.
  std::string document_name;
  // The header date in the system's short date format, read once for each job when
  // its first page is drawn.
  HeaderDateClock date;
  // A word drawn large and light across the middle of every page, under the text:
  // kTestWatermark for every page of a test list, empty for none.
  std::string watermark;
};

// The watermark of a test list's pages.
inline constexpr char kTestWatermark[] = "TEST";

}  // namespace zufora
