#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "design/MessageSink.h"

namespace zufora::fuzz {

// Answers questions from the bytes; shows and records nothing.
class ScriptedSink : public MessageSink {
 public:
  explicit ScriptedSink(FuzzedDataProvider& data) : data_(data) {}
  void ShowPlain(const std::string&) override {}
  void ShowNotice(const std::string&) override {}
  bool AskQuestion(const std::string&) override { return data_.ConsumeBool(); }
  void ActivatePage(Page) override {}

 private:
  FuzzedDataProvider& data_;
};

}  // namespace zufora::fuzz
