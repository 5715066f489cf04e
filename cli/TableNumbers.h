#pragma once

#include <memory>
#include <optional>
#include <string>

#include "OpenedDesign.h"
#include "evidence/ListOutput.h"
#include "evidence/NumberedRows.h"

namespace zufora::cli {

// Gives a table of the opened design its randomisation numbers, as request.numbers asks (the
// site list always has them, sequential when none are asked for): counts the allocations
// that the design's checks plan, numbers them into `holder`, and points request.row_numbers
// and request.redcap.numbers at it. The list text takes none. Returns why the allocations
// cannot be numbered so (a format whose digits cannot hold the largest number); a design
// whose checks stop the generation gets no numbers, as it gets no table.
std::optional<std::string> AttachNumbers(OpenedDesign& opened, bool accept_misfits,
                                         OutputRequest& request,
                                         std::unique_ptr<NumberedRows>& holder);

}  // namespace zufora::cli
