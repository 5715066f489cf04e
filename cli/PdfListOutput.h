#pragma once

#include <ostream>
#include <string>

#include "lang/ProgramTexts.h"

namespace zufora::cli {

enum class PdfPageSize { kA4, kLetter };

// Prints the list text to a PDF file as "Drucken" prints it; throws when the file cannot
// be written. A missing font is told on `err`.
void PrintListPdf(const std::string& pdf_file, PdfPageSize page_size, const ProgramTexts& texts,
                  const std::string& list_text, std::ostream& err);

}  // namespace zufora::cli
