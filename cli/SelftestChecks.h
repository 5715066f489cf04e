#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "evidence/KnownValues.h"
#include "evidence/ValidationReport.h"
#include "lang/ProgramTexts.h"

namespace zufora::cli {

// What a validation report says of the machine it ran on: the operating system
// (/etc/os-release and the kernel), the host, the Qt libraries in use, and the
// executable with its SHA-256.
std::vector<ReportFact> MachineFacts(const std::filesystem::path& executable);

// The known-values file installed with the program (found from the executable's folder
// as the language file is: beside it, then in ../share/zufora) against the one built in.
// Its fact line goes to `facts`.
CheckResult InstalledKnownValuesCheck(const std::filesystem::path& executable,
                                      std::vector<ReportFact>& facts);

// The worked example printed to a PDF file of its own (removed afterwards): every
// allocation's patient number and arm handed to the PDF's surface in order, and the
// file a complete PDF with the pages the print run counted. The SHA-256 of every text
// with its place on the page (the same on one machine from run to run) goes to `facts`.
CheckResult PdfCheck(const ProgramTexts& texts, std::vector<ReportFact>& facts, std::ostream& err);

}  // namespace zufora::cli
