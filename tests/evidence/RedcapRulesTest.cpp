// REDCap's rules for an allocation table, checked before anything is drawn.
#include "evidence/RedcapRules.h"

#include <gtest/gtest.h>

#include "support/DesignBuilder.h"

namespace zufora {
namespace {

TEST(RedcapRules, PlainCodesAndFieldNames) {
  for (const char* code : {"0", "1", "A", "verum_2", "-1", "-20", "_"}) {
    EXPECT_TRUE(IsPlainCode(code)) << code;
  }
  for (const char* code :
       {"", "-", "-a", "1-2", "a b", "=1", "+1", "@1", "a,b", "pla\xE9", "1.5", "--1"}) {
    EXPECT_FALSE(IsPlainCode(code)) << code;
  }
  EXPECT_TRUE(IsRedcapFieldName("site"));
  EXPECT_TRUE(IsRedcapFieldName("site_2"));
  EXPECT_TRUE(IsRedcapFieldName(std::string(100, 'a')));
  for (const std::string& name :
       {std::string(""), std::string("Site"), std::string("2site"), std::string("_site"),
        std::string("my site"), std::string("site-no"), std::string(101, 'a')}) {
    EXPECT_FALSE(IsRedcapFieldName(name)) << name;
  }
}

TEST(RedcapRules, ArmCodesMustNameEveryArmOnce) {
  using Kind = ArmCodeProblem::Kind;
  EXPECT_FALSE(FindArmCodeProblem({{1, "a"}, {2, "b"}}, 2));
  EXPECT_FALSE(FindArmCodeProblem({}, 0));
  const auto missing = FindArmCodeProblem({{1, "a"}, {3, "c"}}, 3);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->kind, Kind::kMissing);
  EXPECT_EQ(missing->arm, 2);
  const auto twice = FindArmCodeProblem({{1, "a"}, {2, "b"}, {3, "a"}}, 3);
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->kind, Kind::kTwice);
  EXPECT_EQ(twice->code, "a");
  const auto beyond = FindArmCodeProblem({{1, "a"}, {2, "b"}, {5, "e"}}, 2);
  ASSERT_TRUE(beyond);
  EXPECT_EQ(beyond->kind, Kind::kBeyond);
  EXPECT_EQ(beyond->arm, 5);
}

StudyDesign CentreDesign(std::vector<std::string> numbers) {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "10", "1");
  std::vector<testing::CentreRow> centres;
  for (std::string& number : numbers) {
    centres.push_back({std::move(number), "", "2"});
  }
  testing::SetCentres(design, centres);
  return design;
}

// Each problem is named in words; the message says what to give instead.
TEST(RedcapRules, TableProblemsOfCentresAndOptions) {
  const StudyDesign design = CentreDesign({"101", "102"});
  const auto problem = [&](const RedcapTableRequest& request) {
    return RedcapTableProblem(design, request).value_or("");
  };
  RedcapTableRequest request;
  EXPECT_NE(problem(request).find("--dag-ids CENTRE=ID"), std::string::npos) << problem(request);
  EXPECT_NE(problem(request).find("--centre-field"), std::string::npos);
  EXPECT_NE(problem(request).find("\"101\", \"102\""), std::string::npos) << problem(request);

  request.group_ids = {{"101", 3}, {"102", 4}};
  EXPECT_EQ(problem(request), "");
  request.group_ids = {{"101", 3}};
  EXPECT_NE(problem(request).find("no data access group id for centre 2"), std::string::npos);
  request.group_ids = {{"101", 3}, {"102", 0}};
  EXPECT_NE(problem(request).find("positive"), std::string::npos);
  request.group_ids = {{"101", 3}, {"102", 3}};
  EXPECT_NE(problem(request).find("the same group 3"), std::string::npos);
  request.group_ids = {{"101", 3}, {"102", 4}, {"103", 5}};
  EXPECT_NE(problem(request).find("\"103\", which the design lacks"), std::string::npos);

  request.group_ids.clear();
  request.centre_field = "site";
  EXPECT_EQ(problem(request), "");
  for (const char* name : {"Site", "my site", "redcap_randomization_group"}) {
    request.centre_field = name;
    EXPECT_NE(problem(request), "") << name;
  }
  request.centre_field = "site";
  request.arm_codes = {{1, "a b"}, {2, "b"}};
  EXPECT_NE(problem(request).find("\"a b\" of arm 1 is no REDCap choice code"), std::string::npos);
  request.arm_codes = {{1, "a"}};
  EXPECT_NE(problem(request).find("no code for arm 2"), std::string::npos);

  // Centre numbers as a field's codes: plain, and each centre one of its own.
  request.arm_codes.clear();
  EXPECT_NE(
      RedcapTableProblem(CentreDesign({"101", "=1+2"}), request).value_or("").find("\"=1+2\""),
      std::string::npos);
  EXPECT_NE(RedcapTableProblem(CentreDesign({"101", ""}), request).value_or("").find("centre 2"),
            std::string::npos);
  EXPECT_NE(RedcapTableProblem(CentreDesign({"7", "7"}), request).value_or("").find("as one"),
            std::string::npos);
  // A control character of the design is shown escaped.
  EXPECT_NE(RedcapTableProblem(CentreDesign({"1\x1B[2J"}), request).value_or("").find("1\\x1B[2J"),
            std::string::npos);

  // A single list has no centres to map.
  StudyDesign single = testing::MakeDesign({"1", "1"}, "10", "1");
  EXPECT_FALSE(RedcapTableProblem(single, {}));
  EXPECT_TRUE(RedcapTableProblem(single, request));
}

// A stratified design's factors become REDCap stratification fields: names REDCap takes,
// apart from the other columns, and level codes that are choice codes.
TEST(RedcapRules, FactorFieldsAndLevelCodes) {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "10", "1");
  testing::SetStrata(design, {testing::Factor("Sex", "sex", {"f", "m"}),
                              testing::Factor("Age", "age_group", {"young", "old"})});
  EXPECT_FALSE(RedcapTableProblem(design, {}));
  const auto problem = [&design](const RedcapTableRequest& request = {}) {
    return RedcapTableProblem(design, request).value_or("");
  };
  for (const char* wrong : {"Age_group", "2age", "age-group", "_age"}) {
    design.factors[1].field = wrong;
    EXPECT_NE(problem().find(std::string("\"") + wrong +
                             "\" of the factor \"Age\" is no REDCap "
                             "variable name"),
              std::string::npos)
        << problem();
  }
  design.factors[1].field = std::string(101, 'a');
  EXPECT_NE(problem().find("no REDCap variable name"), std::string::npos);
  for (const char* column : {"redcap_randomization_number", "redcap_randomization_group",
                             "redcap_data_access_group", "sex"}) {
    design.factors[1].field = column;
    EXPECT_NE(problem().find("is the name of another column"), std::string::npos) << column;
  }
  design.factors[1].field = "site";
  RedcapTableRequest with_field;
  with_field.centre_field = "site";
  design.per_centre_lists = true;
  testing::SetCentres(design, {{"1", "A", "5"}, {"2", "B", "5"}});
  EXPECT_NE(problem(with_field).find("(--centre-field)"), std::string::npos) << problem(with_field);
  design.factors[1].field = "age_group";
  EXPECT_FALSE(RedcapTableProblem(design, with_field));
  design.factors[0].levels[1].code = "m f";
  EXPECT_NE(problem(with_field).find("\"m f\" of the level \"m\" of the factor \"Sex\""),
            std::string::npos)
      << problem(with_field);
  design.stratified = false;  // the factors are no columns then
  EXPECT_FALSE(RedcapTableProblem(design, with_field));
}

}  // namespace
}  // namespace zufora
