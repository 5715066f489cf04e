#pragma once

#include <ostream>
#include <string>

#include "OpenedDesign.h"
#include "evidence/ListOutput.h"

namespace zufora::cli {

// Draws the opened design's lists once more and compares `file` with them as `request.format`
// writes them (list text or table; the form and line ends of the file do not matter, see
// ListComparison), printing the outcome to `out`. 0 when the file is exactly what the
// design gives; 1 when it differs, when the design gives no complete list, or when its
// list text passes the limit that generate keeps (generate then writes the title only).
int CompareFileWithDesign(OpenedDesign& opened, const std::string& file,
                          const OutputRequest& request, std::ostream& out, std::ostream& err);

// The first line of a file (after a byte-order mark), or none when it cannot be read.
std::optional<std::string> FirstLineOf(const std::string& file);

}  // namespace zufora::cli
