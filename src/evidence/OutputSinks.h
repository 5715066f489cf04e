#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "evidence/Sha256.h"
#include "random/ListExport.h"
#include "random/ListTextSink.h"
#include "text/Cp1252.h"

namespace zufora {

// Sinks that an output's bytes pass through on their way out.

// Converts cp1252 parts to UTF-8 on their way to `next`; a part of whole lines stays one.
class Utf8Sink : public ListTextSink {
 public:
  explicit Utf8Sink(ListTextSink& next) : next_(next) {}
  void Write(std::string_view whole_lines) override { next_.Write(Cp1252ToUtf8(whole_lines)); }

 private:
  ListTextSink& next_;
};

// Turns list text parts into the bytes of an exported list (each line ended by CR LF) on
// their way to `next`. Parts of whole lines give the bytes that the whole text gives.
class ExportSink : public ListTextSink {
 public:
  explicit ExportSink(ListTextSink& next) : next_(next) {}
  void Write(std::string_view whole_lines) override { next_.Write(ExportBytes(whole_lines)); }

 private:
  ListTextSink& next_;
};

// Counts and hashes the bytes on their way to `next` (or nowhere): what a provenance
// record says of an output.
class DigestSink : public ListTextSink {
 public:
  DigestSink() = default;
  explicit DigestSink(ListTextSink& next) : next_(&next) {}
  void Write(std::string_view whole_lines) override {
    hash_.Add(whole_lines);
    bytes_ += whole_lines.size();
    if (next_ != nullptr) {
      next_->Write(whole_lines);
    }
  }
  std::uint64_t Bytes() const { return bytes_; }
  // Ends the hashing.
  std::string HexDigest() { return hash_.HexDigest(); }

 private:
  ListTextSink* next_ = nullptr;
  Sha256 hash_;
  std::uint64_t bytes_ = 0;
};

}  // namespace zufora
