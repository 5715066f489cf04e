#pragma once

#include <cstdint>
#include <string>

#include "design/StudyDesign.h"
#include "random/ListTextSink.h"
#include "random/ListTextWriter.h"
#include "random/RandomizationList.h"

namespace zufora {

// The list text of lists kept whole, as ListTextWriter writes it while they are drawn:
// empty when the lists leave the list field empty. Arm descriptions and centre numbers
// and descriptions are read from `design` as they stand now.
void WriteListText(const DrawnLists& lists, const StudyDesign& design,
                   const ListTextOptions& options, ListTextSink& sink);

// That text as one string.
std::string RenderListText(const DrawnLists& lists, const StudyDesign& design,
                           const ListTextOptions& options);

// Its exact size in bytes, every line counted (title, seed notes, centre headings,
// allocation lines, block separators), found without keeping it: time linear in the
// number of patients, memory of one part of the writer.
std::uint64_t ListTextSize(const DrawnLists& lists, const StudyDesign& design,
                           const ListTextOptions& options);

}  // namespace zufora
