#include "evidence/ProvenanceRecord.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "evidence/Base64.h"
#include "evidence/Sha256.h"
#include "random/RandomizationList.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

using Json = nlohmann::ordered_json;

constexpr char kRecordKind[] = "zufora provenance record";
constexpr int kRecordVersion = 1;

Json OrNull(const std::optional<std::string>& text) {
  return text ? Json(*text) : Json(nullptr);
}

Json FileJson(const RecordedFile& file) {
  return Json{{"path", file.path},
              {"sha256", file.sha256},
              {"bytes", file.content.size()},
              {"content_base64", Base64Encode(file.content)}};
}

RecordedFile FileFrom(const Json& json, const char* what) {
  RecordedFile file;
  file.path = json.at("path").get<std::string>();
  file.sha256 = json.at("sha256").get<std::string>();
  const auto content = Base64Decode(json.at("content_base64").get<std::string>());
  if (!content) {
    throw std::invalid_argument(std::string(what) + ".content_base64 is not Base64");
  }
  file.content = *content;
  if (json.at("bytes").get<std::uint64_t>() != file.content.size()) {
    throw std::invalid_argument(std::string(what) + ".bytes is not the size of its content");
  }
  return file;
}

std::optional<std::string> OptionalText(const Json& json, const char* key) {
  const Json& value = json.at(key);
  return value.is_null() ? std::nullopt : std::optional(value.get<std::string>());
}

Json NumbersJson(const std::optional<NumberingOptions>& numbers) {
  if (!numbers) {
    return nullptr;
  }
  return {{"kind", numbers->random ? "random" : "sequential"},
          {"format", numbers->format},
          {"check_digit", numbers->check_digit}};
}

}  // namespace

std::string UtcTimestamp(std::int64_t seconds) {
  const auto time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  char text[32] = "unknown";
  if (gmtime_r(&time, &parts) != nullptr) {
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  }
  return text;
}

std::string ProvenanceJson(const ProvenanceRecord& record) {
  Json arm_codes = Json::object();
  for (const auto& [arm, code] : record.options.arm_codes) {
    arm_codes[std::to_string(arm)] = code;
  }
  Json group_ids = Json::object();
  for (const auto& [centre, id] : record.options.group_ids) {
    group_ids[centre] = id;
  }
  Json lists = Json::array();
  for (const RecordedList& list : record.lists) {
    lists.push_back({{"centre_row", list.centre_row ? Json(*list.centre_row) : Json(nullptr)},
                     {"centre", list.centre},
                     {"seed", list.seed},
                     {"planned_patients", list.planned_patients},
                     {"patients", list.patients}});
  }
  Json outputs = Json::array();
  for (const RecordedOutput& output : record.outputs) {
    outputs.push_back({{"path", output.path},
                       {"format", output.format},
                       {"encoding", output.encoding},
                       {"line_end", output.line_end},
                       {"rows", output.rows},
                       {"bytes", output.bytes},
                       {"sha256", output.sha256}});
  }
  Json json = {
      {"record", kRecordKind},
      {"record_version", kRecordVersion},
      {"program",
       {{"name", record.program},
        {"version", record.version},
        {"build", record.build},
        {"platform", record.platform}}},
      {"generator", record.generator},
      {"arguments", record.arguments},
      {"created_utc", record.created_utc},
      {"design", FileJson(record.design)},
      {"language_file", record.language_file ? FileJson(*record.language_file) : Json(nullptr)},
      {"options",
       {{"seed_given", OrNull(record.options.seed_given)},
        {"mark_blocks", record.options.mark_blocks},
        {"show_seed", record.options.show_seed},
        {"accept_misfits", record.options.accept_misfits},
        {"format", record.options.format},
        {"arm_codes", arm_codes},
        {"centre_field", OrNull(record.options.centre_field)},
        {"dag_ids", group_ids},
        {"page_size", OrNull(record.options.page_size)}}},
      {"seed",
       {{"value", record.seed},
        {"proposed", record.seed_proposed},
        {"clock", record.seed_clock ? Json(*record.seed_clock) : Json(nullptr)},
        {"clock_utc", record.seed_clock ? Json(UtcTimestamp(*record.seed_clock)) : Json(nullptr)}}},
      {"lists", lists},
      {"outputs", outputs},
      {"complete", record.complete},
      {"exit_status", record.exit_status}};
  // Keys of newer options stand only where the options were given, so that a record of a
  // run without them reads as it always did.
  if (record.options.numbers) {
    json["options"]["numbers"] = NumbersJson(record.options.numbers);
  }
  if (record.test) {
    json["test"] = true;
  }
  // A path that is not UTF-8 is written with replacement characters: the record stays JSON.
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

ProvenanceReading ReadProvenanceJson(std::string_view text) {
  ProvenanceReading reading;
  try {
    const Json json = Json::parse(text);
    if (!json.is_object() || json.value("record", "") != kRecordKind) {
      reading.error = "it is no provenance record of this program";
      return reading;
    }
    if (json.at("record_version").get<int>() != kRecordVersion) {
      reading.error = "its version " + json.at("record_version").dump() +
                      " is not the one this program reads (" + std::to_string(kRecordVersion) + ")";
      return reading;
    }
    ProvenanceRecord record;
    const Json& program = json.at("program");
    record.program = program.at("name").get<std::string>();
    record.version = program.at("version").get<std::string>();
    record.build = program.at("build").get<std::string>();
    record.platform = program.at("platform").get<std::string>();
    record.generator = json.at("generator").get<std::string>();
    record.arguments = json.at("arguments").get<std::vector<std::string>>();
    record.created_utc = json.at("created_utc").get<std::string>();
    record.design = FileFrom(json.at("design"), "design");
    if (!json.at("language_file").is_null()) {
      record.language_file = FileFrom(json.at("language_file"), "language_file");
    }
    const Json& options = json.at("options");
    record.options.seed_given = OptionalText(options, "seed_given");
    record.options.mark_blocks = options.at("mark_blocks").get<bool>();
    record.options.show_seed = options.at("show_seed").get<bool>();
    record.options.accept_misfits = options.at("accept_misfits").get<bool>();
    record.options.format = options.at("format").get<std::string>();
    for (const auto& [arm, code] : options.at("arm_codes").items()) {
      record.options.arm_codes[std::stoi(arm)] = code.get<std::string>();
    }
    record.options.centre_field = OptionalText(options, "centre_field");
    for (const auto& [centre, id] : options.at("dag_ids").items()) {
      record.options.group_ids[centre] = id.get<std::int64_t>();
    }
    record.options.page_size = OptionalText(options, "page_size");
    if (options.contains("numbers") && !options.at("numbers").is_null()) {  // older records lack it
      const Json& numbers = options.at("numbers");
      record.options.numbers = NumberingOptions{numbers.at("kind").get<std::string>() == "random",
                                                numbers.at("format").get<std::string>(),
                                                numbers.at("check_digit").get<bool>()};
    }
    const Json& seed = json.at("seed");
    record.seed = seed.at("value").get<std::string>();
    record.seed_proposed = seed.at("proposed").get<bool>();
    if (!seed.at("clock").is_null()) {
      record.seed_clock = seed.at("clock").get<std::int64_t>();
    }
    for (const Json& list : json.at("lists")) {
      RecordedList recorded;
      if (!list.at("centre_row").is_null()) {
        recorded.centre_row = list.at("centre_row").get<std::int32_t>();
      }
      recorded.centre = list.at("centre").get<std::string>();
      recorded.seed = list.at("seed").get<std::int32_t>();
      recorded.planned_patients = list.at("planned_patients").get<std::int32_t>();
      recorded.patients = list.at("patients").get<std::int64_t>();
      record.lists.push_back(std::move(recorded));
    }
    for (const Json& output : json.at("outputs")) {
      record.outputs.push_back(
          {output.at("path").get<std::string>(), output.at("format").get<std::string>(),
           output.at("encoding").get<std::string>(), output.at("line_end").get<std::string>(),
           output.at("rows").get<std::int64_t>(), output.at("bytes").get<std::uint64_t>(),
           output.at("sha256").get<std::string>()});
    }
    record.complete = json.at("complete").get<bool>();
    record.test = json.value("test", false);
    record.exit_status = json.at("exit_status").get<int>();
    reading.record = std::move(record);
  } catch (const std::exception& error) {
    reading.error = error.what();
  }
  return reading;
}

void ListRecorder::BeginList(const RandomizationList& list) {
  RecordedList& recorded = lists_.emplace_back();
  recorded.centre_row = list.centre;
  if (list.centre) {
    recorded.centre = Cp1252ToUtf8(design_.centres.Cell(kCentreNumberColumn, *list.centre));
  }
  recorded.seed = list.seed;
  recorded.planned_patients = list.planned_patients;
}

void ListRecorder::Blocks(std::int32_t, std::span<const std::int32_t> arms,
                          std::span<const std::int32_t>) {
  if (!lists_.empty()) {
    lists_.back().patients += static_cast<std::int64_t>(arms.size());
  }
}

}  // namespace zufora
