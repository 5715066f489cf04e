#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "lang/ProgramTexts.h"

namespace zufora::cli {

enum class PdfPageSize { kA4, kLetter };

// How PrintListPdf prints, beyond the file and the text.
struct PdfPrinting {
  PdfPageSize page_size = PdfPageSize::kA4;
  // The file is the caller's own new file (FileReplacement's): written straight.
  bool in_place = false;
  // A test list: every page gets the watermark kTestWatermark.
  bool test_list = false;
  // The header's date; none: today's.
  std::optional<std::string> header_date;
  // Sees every text handed to the PDF's surface, where it goes, in order.
  std::function<void(std::int32_t x, std::int32_t y, std::string_view text)> observer;
};

// Prints the list text to a PDF file as "Drucken" prints it; the number of pages.
// Throws when the file cannot be written. A missing font is told on `err`.
std::int32_t PrintListPdf(const std::string& pdf_file, const PdfPrinting& printing,
                          const ProgramTexts& texts, const std::string& list_text,
                          std::ostream& err);

// The version of the Qt libraries the program runs with.
std::string QtRuntimeVersion();

}  // namespace zufora::cli
