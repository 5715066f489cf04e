#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "evidence/RedcapRules.h"

namespace zufora::cli {

// The options that shape a REDCap allocation table, as given (UTF-8).
struct TableOptions {
  std::map<std::int32_t, std::string> arm_codes;  // by arm number
  std::optional<std::string> centre_field;        // a stratification field for the centres
  std::map<std::string, std::int64_t> dag_ids;    // by centre number

  bool Any() const { return !arm_codes.empty() || centre_field || !dag_ids.empty(); }
};

// Takes arguments[i] (and its value, advancing i) when it is --arm-codes, --centre-field
// or --dag-ids. Returns false when it is none of them; sets `error` when it is but its
// value is wrong.
bool TakeTableOption(const std::vector<std::string>& arguments, std::size_t& i,
                     TableOptions& options, std::string& error);

// The options in the program's cp1252, or why they cannot be.
std::variant<RedcapTableRequest, std::string> RedcapRequestOf(const TableOptions& options);

inline constexpr char kTableOptionsHelp[] =
    "  --arm-codes LIST   redcap: the code of each arm, e.g. 1=0,2=1 (default: the arm\n"
    "                     number); every arm needs one, no two arms the same; a code is\n"
    "                     letters, digits and underscores, or an integer\n"
    "  --dag-ids LIST     redcap, per-centre lists: REDCap's data access group id of each\n"
    "                     centre, by centre number, e.g. 101=3,102=4, for the column\n"
    "                     redcap_data_access_group; every centre needs one\n"
    "  --centre-field NAME  redcap, per-centre lists: stratify by the REDCap field NAME,\n"
    "                     whose codes are the centre numbers, instead of (or besides,\n"
    "                     with --dag-ids) the data access groups\n";

}  // namespace zufora::cli
