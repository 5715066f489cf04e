#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "OpenedDesign.h"
#include "PdfListOutput.h"
#include "evidence/RandomisationNumbers.h"
#include "print/EnvelopeCard.h"

namespace zufora::cli {

struct PdfEnvelopes {
  std::int64_t cards = 0;
  std::int32_t pages = 0;
};

// Prints the code-break cards to a PDF file written straight (the caller's own new file,
// FileReplacement's). Throws when the file cannot be written.
PdfEnvelopes PrintEnvelopesPdf(const std::string& pdf_file, PdfPageSize page_size,
                               const EnvelopeJob& job, EnvelopeCardSource& cards);

// The code-break cards of the opened design's lists, drawn again as "Generieren" drew
// them (the same seed gives the same lists), one per allocation with its randomisation
// number as `numbering` asks, printed to `pdf_file`; a test list's say so. Or, with
// nothing printed, why the lists cannot be numbered so.
std::variant<PdfEnvelopes, std::string> PrintDesignEnvelopes(OpenedDesign& opened,
                                                             bool accept_misfits,
                                                             const NumberingOptions& numbering,
                                                             PdfPageSize page_size,
                                                             const std::string& pdf_file);

}  // namespace zufora::cli
