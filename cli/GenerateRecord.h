#pragma once

#include <string>

#include "GenerateCommand.h"
#include "OpenedDesign.h"
#include "evidence/ProvenanceRecord.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// The provenance record of a generate run as far as the opened design tells it: the
// program, the design's and language file's bytes, the options and the seed. The lists,
// outputs and exit status follow as the run goes on.
ProvenanceRecord BeginRecord(const GenerateOptions& options, OpenedDesign& opened,
                             const CalendarClock& clock);

// The encoding and line end of an output in a record.
void DescribeForm(RecordedOutput& output, OutputFormat format, TextForm form);

}  // namespace zufora::cli
