#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/StudyDesign.h"

namespace zufora::bench {

// One list of `patients` patients on arms of the given ratios ("Therapie 1", ...), seed
// 20261208, its numbers checked as the list generator takes them; fixed blocks of 12
// unless the caller sets others. A benchmark that starts from a file saves it with
// SaveDesignFile (files/DesignFileStore.h), as the program would.
StudyDesign ListDesign(const std::vector<std::string>& ratios, std::int32_t patients);

// Two arms 1:1 in variable blocks of 4 to 8.
StudyDesign TwoArmsVariable(std::int32_t patients);
// Four arms 1:1:1:2 in fixed blocks of 10.
StudyDesign FourArmsFixed(std::int32_t patients);
// TwoArmsVariable, one list per centre of 1,000 patients.
StudyDesign ThousandPatientCentres(std::int32_t patients);
// TwoArmsVariable in centres of `stratum_length` patients, stratified by sex (2 levels)
// and age group (5 levels): patients / stratum_length strata of stratum_length each.
StudyDesign StratifiedCentres(std::int32_t patients, std::int32_t stratum_length);

}  // namespace zufora::bench
