// The provenance record: written as JSON by a library and read back whole.
#include "evidence/ProvenanceRecord.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "evidence/Base64.h"
#include "evidence/Sha256.h"

namespace zufora {
namespace {

ProvenanceRecord Sample() {
  ProvenanceRecord record;
  record.program = "zufora-cli";
  record.version = "1.2.0";
  record.build = "gcc";
  record.platform = "Linux";
  record.generator = kGeneratorName;
  record.arguments = {"generate", "d.zfd", "--format", "redcap"};
  record.created_utc = UtcTimestamp(1700000000);
  const std::string design_bytes(
      "[Design]\r\nName=S\xFC"
      "d\r\n\0\xFF",
      22);
  record.design = {"d.zfd", Sha256Hex(design_bytes), design_bytes};
  record.options.format = "redcap";
  record.options.arm_codes = {{1, "A"}, {2, "-1"}};
  record.options.group_ids = {{"101", 3}};
  record.options.centre_field = "site";
  record.seed = "992538752";
  record.seed_proposed = true;
  record.seed_clock = 1000000000;
  record.lists = {{1, "101", 773724032, 4, 4}, {std::nullopt, "", 5, 0, 0}};
  record.outputs = {{"/tmp/t.csv", "redcap", "utf-8", "CRLF", 4, 99, std::string(64, 'a')}};
  record.complete = true;
  record.exit_status = 0;
  return record;
}

TEST(ProvenanceRecord, ReadsBackWhatItWrote) {
  const ProvenanceRecord record = Sample();
  const std::string json = ProvenanceJson(record);
  const ProvenanceReading reading = ReadProvenanceJson(json);
  ASSERT_TRUE(reading.record) << reading.error;
  const ProvenanceRecord& back = *reading.record;
  EXPECT_EQ(back.design.content, record.design.content);
  EXPECT_EQ(back.design.sha256, record.design.sha256);
  EXPECT_EQ(back.arguments, record.arguments);
  EXPECT_EQ(back.options.arm_codes, record.options.arm_codes);
  EXPECT_EQ(back.options.group_ids, record.options.group_ids);
  EXPECT_EQ(back.options.centre_field, record.options.centre_field);
  EXPECT_FALSE(back.options.seed_given);
  EXPECT_FALSE(back.language_file);
  EXPECT_EQ(back.seed_clock, 1000000000);
  ASSERT_EQ(back.lists.size(), 2u);
  EXPECT_EQ(back.lists[0].seed, 773724032);
  EXPECT_FALSE(back.lists[1].centre_row);
  ASSERT_EQ(back.outputs.size(), 1u);
  EXPECT_EQ(back.outputs[0].sha256, std::string(64, 'a'));
  // Written again, the same text.
  EXPECT_EQ(ProvenanceJson(back), json);
}

// The keys a reader of the record relies on, as the README documents them.
// Numbering and the test list are read back; a record without them has neither key.
TEST(ProvenanceRecord, NumbersAndTestListReadBack) {
  ProvenanceRecord record = Sample();
  const std::string without = ProvenanceJson(record);
  EXPECT_EQ(without.find("\"numbers\""), std::string::npos);
  EXPECT_EQ(without.find("\"test\""), std::string::npos);
  const ProvenanceReading plain = ReadProvenanceJson(without);
  ASSERT_TRUE(plain.record) << plain.error;
  EXPECT_FALSE(plain.record->options.numbers);
  EXPECT_FALSE(plain.record->test);

  record.options.numbers = NumberingOptions{true, "R-{0000}", true};
  record.test = true;
  const ProvenanceReading reading = ReadProvenanceJson(ProvenanceJson(record));
  ASSERT_TRUE(reading.record) << reading.error;
  ASSERT_TRUE(reading.record->options.numbers);
  EXPECT_TRUE(reading.record->options.numbers->random);
  EXPECT_EQ(reading.record->options.numbers->format, "R-{0000}");
  EXPECT_TRUE(reading.record->options.numbers->check_digit);
  EXPECT_TRUE(reading.record->test);
  const auto json = nlohmann::json::parse(ProvenanceJson(record));
  EXPECT_EQ(json["options"]["numbers"]["kind"], "random");
  EXPECT_EQ(json["test"], true);
}

TEST(ProvenanceRecord, KeysAreThoseDocumented) {
  const auto json = nlohmann::json::parse(ProvenanceJson(Sample()));
  EXPECT_EQ(json["record"], "zufora provenance record");
  EXPECT_EQ(json["record_version"], 1);
  EXPECT_EQ(json["program"]["version"], "1.2.0");
  EXPECT_EQ(json["design"]["bytes"], 22);
  EXPECT_EQ(*Base64Decode(json["design"]["content_base64"].get<std::string>()),
            Sample().design.content);
  EXPECT_EQ(json["seed"]["value"], "992538752");
  EXPECT_EQ(json["seed"]["proposed"], true);
  EXPECT_EQ(json["seed"]["clock_utc"], "2001-09-09T01:46:40Z");
  EXPECT_EQ(json["options"]["dag_ids"]["101"], 3);
  EXPECT_EQ(json["options"]["arm_codes"]["2"], "-1");
  EXPECT_EQ(json["lists"][0]["centre"], "101");
  EXPECT_EQ(json["outputs"][0]["format"], "redcap");
  EXPECT_EQ(json["created_utc"], "2023-11-14T22:13:20Z");
  EXPECT_EQ(json["exit_status"], 0);
}

TEST(ProvenanceRecord, ATextThatIsNoRecordSaysWhy) {
  EXPECT_FALSE(ReadProvenanceJson("").record);
  EXPECT_FALSE(ReadProvenanceJson("[1,2]").record);
  EXPECT_EQ(ReadProvenanceJson("{\"record\": \"x\"}").error,
            "it is no provenance record of this program");
  std::string json = ProvenanceJson(Sample());
  json.replace(json.find("\"record_version\": 1"), 19, "\"record_version\": 7");
  EXPECT_NE(ReadProvenanceJson(json).error.find("version 7"), std::string::npos);
  json = ProvenanceJson(Sample());
  json.erase(json.find("\"seed\": {"), 9);
  EXPECT_FALSE(ReadProvenanceJson(json).record);
  // Content that is no Base64, or not as long as it says.
  json = ProvenanceJson(Sample());
  json.replace(json.find("\"bytes\": 22"), 11, "\"bytes\": 23");
  EXPECT_NE(ReadProvenanceJson(json).error.find("not the size"), std::string::npos);
}

TEST(Base64, KnownValuesAndRefusals) {
  EXPECT_EQ(Base64Encode(""), "");
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
  EXPECT_EQ(*Base64Decode("Zm9vYg=="), "foob");
  EXPECT_EQ(*Base64Decode(""), "");
  const std::string all_bytes = [] {
    std::string bytes;
    for (int i = 0; i < 256 * 50000; ++i) {  // across the encoder's parts
      bytes += static_cast<char>(i * 7);
    }
    return bytes;
  }();
  EXPECT_EQ(*Base64Decode(Base64Encode(all_bytes)), all_bytes);
  for (const char* wrong : {"Zm9", "Zm9v\n", "Z=9v", "Zm9v!A==", "===="}) {
    EXPECT_FALSE(Base64Decode(wrong)) << wrong;
  }
}

}  // namespace
}  // namespace zufora
