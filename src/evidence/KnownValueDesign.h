#pragma once

#include <map>
#include <string>
#include <vector>

#include "design/StudyDesign.h"

namespace zufora {

// The words of a known-values line after its kind and name: KEY=VALUE.
using Fields = std::map<std::string, std::string>;

std::vector<std::string> Split(const std::string& text, char separator);
// The value of KEY=; std::invalid_argument when the line has none.
const std::string& Field(const Fields& fields, const std::string& key);
// The design a line describes: arms=RATIOS patients=N blocks=fixed:F|variable:MIN:MAX
// seed=S [centres=N,N...|COUNT*N], arms described "Arm 1", "Arm 2", ..., centres
// numbered 1, 2, ...; as the pages hold it after the design page check.
StudyDesign KnownValueDesign(const Fields& fields);
// Whether the line answers misfit questions with No (misfits=accept).
bool AcceptsMisfits(const Fields& fields);

}  // namespace zufora
