#pragma once

#include <string>

#include "evidence/RandomisationNumbers.h"
#include "pages/Generation.h"

namespace zufora {

// The site list of a blinded trial for lists drawn before: the table that
// `generate --format blinded` writes (number, stratum, centre and factor levels; no arm,
// no arm code, no block), its rows numbered as `numbering` asks, which must pass
// NumberingProblem for the lists' allocations. UTF-8 CSV with CR LF, as the command line
// writes it.
std::string SiteListBytes(const GeneratedLists& lists, const NumberingOptions& numbering);

}  // namespace zufora
