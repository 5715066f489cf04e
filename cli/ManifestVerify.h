#pragma once

#include <ostream>

#include "VerifyCommand.h"

namespace zufora::cli {

// verify --manifest RECORD [OUTPUT...]: the record's copy of the design checked against
// its SHA-256 (and the design file, where it still lies, against the copy: a note), the
// design drawn again with the recorded seed and options, the lists' seeds and lengths
// and each output's SHA-256 compared with the record, and each output file with its
// recorded SHA-256 (a table or list that differs is compared line by line to show
// where). 0 when all of it holds; 1 otherwise; 2 when the record cannot be read.
int RunManifestVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
                      const CalendarClock& clock);

}  // namespace zufora::cli
