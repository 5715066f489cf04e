#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "design/MessageSink.h"
#include "design/Page.h"

namespace zufora::fuzz {

// Shows nothing and answers every question with the next bit of the input, so that the
// input decides each Yes and No.
class FuzzedMessageSink : public MessageSink {
 public:
  explicit FuzzedMessageSink(FuzzedDataProvider& data) : data_(data) {}
  void ShowPlain(const std::string&) override {}
  void ShowNotice(const std::string&) override {}
  bool AskQuestion(const std::string&) override { return data_.ConsumeBool(); }
  void ActivatePage(Page) override {}

 private:
  FuzzedDataProvider& data_;
};

}  // namespace zufora::fuzz
