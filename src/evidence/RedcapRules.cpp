#include "evidence/RedcapRules.h"

#include <algorithm>
#include <set>

#include "evidence/ShownText.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

bool IsWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A cp1252 value of the design, quoted for a message.
std::string Quoted(std::string_view cp1252) {
  return "\"" + ShownUtf8(Cp1252ToUtf8(cp1252)) + "\"";
}

std::string CentreName(const StudyDesign& design, std::int32_t row) {
  return "centre " + std::to_string(row) + " (number " +
         Quoted(design.centres.Cell(kCentreNumberColumn, row)) + ")";
}

std::optional<std::string> ArmCodesProblem(const StudyDesign& design,
                                           const RedcapTableRequest& request) {
  const std::int32_t arm_count = design.checked.arm_count;
  if (request.arm_codes.empty()) {
    return std::nullopt;  // the arm numbers, plain codes all
  }
  if (const auto problem = FindArmCodeProblem(request.arm_codes, arm_count)) {
    switch (problem->kind) {
      case ArmCodeProblem::Kind::kMissing:
        return "--arm-codes gives no code for arm " + std::to_string(problem->arm);
      case ArmCodeProblem::Kind::kTwice:
        return "--arm-codes gives the code " + Quoted(problem->code) + " to two arms";
      case ArmCodeProblem::Kind::kBeyond: break;
    }
    return "--arm-codes names arm " + std::to_string(problem->arm) + ", but the design has " +
           std::to_string(arm_count);
  }
  for (const auto& [arm, code] : request.arm_codes) {
    if (!IsPlainCode(code)) {
      return "the code " + Quoted(code) + " of arm " + std::to_string(arm) +
             " is no REDCap choice code (letters A-Z and a-z, digits and underscores, or "
             "an integer)";
    }
  }
  return std::nullopt;
}

std::optional<std::string> CentreFieldProblem(const StudyDesign& design, const std::string& field,
                                              std::int32_t centres) {
  if (!IsRedcapFieldName(field)) {
    return "the field name " + Quoted(field) +
           " is no REDCap variable name (lowercase letters, digits and underscores, "
           "beginning with a letter, at most 100 characters)";
  }
  if (field == kRedcapNumberColumn || field == kRedcapGroupColumn) {
    return "the field name " + field + " is a column of the allocation table itself";
  }
  std::map<std::string, std::int32_t> rows_by_code;
  for (std::int32_t row = 1; row <= centres; ++row) {
    const std::string& code = design.centres.Cell(kCentreNumberColumn, row);
    if (!IsPlainCode(code)) {
      return "the number of " + CentreName(design, row) + " is no REDCap choice code for " + field +
             " (letters A-Z and a-z, digits and underscores, or an integer)";
    }
    if (const auto [other, added] = rows_by_code.emplace(code, row); !added) {
      return "centres " + std::to_string(other->second) + " and " + std::to_string(row) +
             " have the same number " + Quoted(code) + ": REDCap would take their lists as one";
    }
  }
  return std::nullopt;
}

std::optional<std::string> GroupIdsProblem(const StudyDesign& design,
                                           const RedcapTableRequest& request,
                                           std::int32_t centres) {
  std::set<std::string> numbers;
  std::map<std::int64_t, std::int32_t> rows_by_id;
  for (std::int32_t row = 1; row <= centres; ++row) {
    const std::string& number = design.centres.Cell(kCentreNumberColumn, row);
    numbers.insert(number);
    const auto id = request.group_ids.find(number);
    if (id == request.group_ids.end()) {
      return "--dag-ids gives no data access group id for " + CentreName(design, row);
    }
    if (id->second < 1) {
      return "--dag-ids gives " + CentreName(design, row) + " the id " +
             std::to_string(id->second) + "; REDCap's group ids are positive integers";
    }
    if (const auto [other, added] = rows_by_id.emplace(id->second, row); !added) {
      return "--dag-ids gives centres " + std::to_string(other->second) + " and " +
             std::to_string(row) + " the same group " + std::to_string(id->second) +
             ": REDCap would take their lists as one";
    }
  }
  for (const auto& [number, id] : request.group_ids) {
    if (!numbers.contains(number)) {
      return "--dag-ids names the centre number " + Quoted(number) + ", which the design lacks";
    }
  }
  return std::nullopt;
}

// The factors of a stratified design as REDCap's stratification fields: names it takes,
// apart from the table's other columns, each level code a choice code.
std::optional<std::string> FactorsProblem(const StudyDesign& design,
                                          const RedcapTableRequest& request) {
  if (!Stratifies(design)) {
    return std::nullopt;
  }
  std::set<std::string> names = {kRedcapNumberColumn, kRedcapGroupColumn,
                                 kRedcapDataAccessGroupColumn};
  if (request.centre_field) {
    names.insert(*request.centre_field);
  }
  for (const StratificationFactor& factor : design.factors) {
    const std::string of_factor = " of the factor " + Quoted(factor.name);
    if (!IsRedcapFieldName(factor.field)) {
      return "the field name " + Quoted(factor.field) + of_factor +
             " is no REDCap variable name (lowercase letters, digits and underscores, "
             "beginning with a letter, at most 100 characters): give the factor a field "
             "name that REDCap takes";
    }
    if (!names.insert(factor.field).second) {
      return "the field name " + Quoted(factor.field) + of_factor +
             " is the name of another column of the table" +
             (request.centre_field && factor.field == *request.centre_field ? " (--centre-field)"
                                                                            : "");
    }
    for (const FactorLevel& level : factor.levels) {
      if (!IsPlainCode(level.code)) {
        return "the code " + Quoted(level.code) + " of the level " + Quoted(level.label) +
               of_factor +
               " is no REDCap choice code (letters A-Z and a-z, digits and underscores, or "
               "an integer)";
      }
    }
  }
  return std::nullopt;
}

}  // namespace

bool IsPlainCode(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  if (std::all_of(text.begin(), text.end(), IsWordCharacter)) {
    return true;
  }
  return text.size() > 1 && text.front() == '-' &&
         std::all_of(text.begin() + 1, text.end(), IsDigit);
}

bool IsRedcapFieldName(std::string_view name) {
  return !name.empty() && name.size() <= 100 && name.front() >= 'a' && name.front() <= 'z' &&
         std::all_of(name.begin(), name.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || IsDigit(c) || c == '_'; });
}

std::optional<ArmCodeProblem> FindArmCodeProblem(const std::map<std::int32_t, std::string>& codes,
                                                 std::int32_t arm_count) {
  std::set<std::string> seen;
  for (std::int32_t arm = 1; arm <= arm_count; ++arm) {
    const auto code = codes.find(arm);
    if (code == codes.end()) {
      return ArmCodeProblem{ArmCodeProblem::Kind::kMissing, arm, {}};
    }
    if (!seen.insert(code->second).second) {
      return ArmCodeProblem{ArmCodeProblem::Kind::kTwice, arm, code->second};
    }
  }
  if (!codes.empty() && codes.rbegin()->first > arm_count) {
    return ArmCodeProblem{ArmCodeProblem::Kind::kBeyond, codes.rbegin()->first, {}};
  }
  return std::nullopt;
}

std::int32_t DesignCentreRows(const StudyDesign& design) {
  const auto centres = ParseIntegerText(design.centre_count);
  return centres && *centres > 0 ? *centres : 0;
}

std::optional<std::string> RedcapTableProblem(const StudyDesign& design,
                                              const RedcapTableRequest& request) {
  if (auto problem = ArmCodesProblem(design, request)) {
    return problem;
  }
  if (auto problem = FactorsProblem(design, request)) {
    return problem;
  }
  if (!design.per_centre_lists) {
    if (request.centre_field || !request.group_ids.empty()) {
      return std::string(
          "the design has one list for the whole study: --centre-field and --dag-ids go "
          "with per-centre lists");
    }
    return std::nullopt;
  }
  const std::int32_t centres = DesignCentreRows(design);
  if (!request.centre_field && request.group_ids.empty()) {
    std::string numbers;
    for (std::int32_t row = 1; row <= centres && row <= 5; ++row) {
      numbers += (row > 1 ? ", " : "") + Quoted(design.centres.Cell(kCentreNumberColumn, row));
    }
    return "the design has one list per centre, and REDCap's " +
           std::string(kRedcapDataAccessGroupColumn) +
           " column holds REDCap's numeric data access group ids, not centre numbers: give "
           "--dag-ids CENTRE=ID,... for every centre (" +
           (centres > 5 ? numbers + ", ..." : numbers) +
           "; the ids are on REDCap's data access groups page), or --centre-field NAME to "
           "stratify by a field whose codes are the centre numbers";
  }
  if (request.centre_field) {
    if (auto problem = CentreFieldProblem(design, *request.centre_field, centres)) {
      return problem;
    }
  }
  if (!request.group_ids.empty()) {
    return GroupIdsProblem(design, request, centres);
  }
  return std::nullopt;
}

}  // namespace zufora
