#pragma once

#include <optional>
#include <string>

#include "design/StudyDesign.h"
#include "lang/ProgramTexts.h"

namespace zufora {

// The notice after a save of a design with texts that the design file cannot give back
// whole (MessageDesignTextTooLong): the fields by their captions ("Bezeichnung der
// Studie", "Arm 2, Beschreibung", ...), the first three and the count of all when there
// are more, and the length a file gives back. Nothing when every text comes back whole.
std::optional<std::string> LongTextNotice(const ProgramTexts& texts, const StudyDesign& design);

}  // namespace zufora
