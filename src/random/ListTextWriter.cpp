#include "random/ListTextWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <stdexcept>

namespace zufora {
namespace {

// Parts handed to the sink are about this large: big enough to make the calls rare,
// small enough to stay in the cache.
constexpr std::size_t kPartBytes = std::size_t{1} << 16;
// Fixed moves read and write this far past the bytes they mean.
constexpr std::size_t kSlack = 32;

std::string Decimal(std::int64_t value) {
  char digits[24];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

ListTextWriter::ListTextWriter(const StudyDesign& design, const ListTextOptions& options,
                               ListTextSink& sink)
    : design_(design), options_(options), sink_(sink), buffer_(kPartBytes + kSlack, '\0') {
  options_.block_separator += '\n';
}

void ListTextWriter::Title(const std::string& study_name) {
  Append(study_name + (options_.test_list ? kTestListMark : "") + '\n');
}

void ListTextWriter::BeginList(const RandomizationList& list) {
  std::string line;
  if (list.centre || !list.levels.empty()) {
    if (list.centre) {
      line = options_.center_caption + ' ' +
             design_.centres.Cell(kCentreNumberColumn, *list.centre) + '\t' +
             design_.centres.Cell(kCentreDescriptionColumn, *list.centre);
    } else {
      line = options_.stratum_caption + ' ' + Decimal(list.stratum) + '\t';
    }
    for (std::size_t f = 0; f < list.levels.size(); ++f) {
      if (f > 0 || list.centre) {
        line += " - ";
      }
      AppendLevel(f, list.levels[f], line);
    }
    if (options_.show_seed) {
      line += " - Seed: (" + Decimal(list.seed) + ')';
    }
  } else if (options_.show_seed) {
    line = "Seed: (" + Decimal(list.seed) + ')';
  }
  Append(line + '\n');
}

void ListTextWriter::AppendLevel(std::size_t factor, std::int32_t level, std::string& line) const {
  if (factor >= design_.factors.size()) {
    return;  // the design has changed since the lists were drawn
  }
  const StratificationFactor& named = design_.factors[factor];
  line += named.name;
  line += ": ";
  if (level >= 0 && static_cast<std::size_t>(level) < named.levels.size()) {
    line += named.levels[static_cast<std::size_t>(level)].label;
  }
}

const ListTextWriter::Tail& ListTextWriter::AddTails(std::int32_t arm) {
  if (arm < 1) {
    throw std::logic_error("an allocation without an arm");
  }
  const std::size_t first_new = tails_.size();
  tails_.resize(static_cast<std::size_t>(arm) + 1);
  for (std::size_t a = first_new == 0 ? 1 : first_new; a < tails_.size(); ++a) {
    Tail& tail = tails_[a];
    tail.bytes = '\t' + Decimal(static_cast<std::int64_t>(a)) + '\t' +
                 design_.arms.Cell(kArmDescriptionColumn, static_cast<int>(a)) + '\n';
    tail.length = tail.bytes.size();
    tail.bytes.resize(std::max(tail.length, kSlack), '\0');
  }
  return tails_[static_cast<std::size_t>(arm)];
}

void ListTextWriter::Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
                            std::span<const std::int32_t> block_sizes) {
  // The patient number as decimal digits right-aligned before kNumberEnd, counted up in
  // place: consecutive numbers need no conversion. Everything the loop touches is held
  // in locals, since every byte it stores could otherwise alias the members.
  char number[kNumberEnd + 16];
  std::memset(number, '0', sizeof number);
  char digits[16];
  std::size_t length = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, first_patient).ptr - digits);
  std::memcpy(number + kNumberEnd - length, digits, length);

  const std::string& separator = options_.block_separator;
  const bool mark_blocks = options_.mark_blocks;
  const Tail* tails = tails_.data();
  std::size_t tail_count = tails_.size();
  char* out = buffer_.data() + used_;
  char* room_end = buffer_.data() + buffer_.size() - kSlack;
  auto make_room = [&](std::size_t bytes) {
    if (out + bytes > room_end) [[unlikely]] {
      used_ = static_cast<std::size_t>(out - buffer_.data());
      MakeRoom(bytes);
      out = buffer_.data() + used_;
      room_end = buffer_.data() + buffer_.size() - kSlack;
    }
  };

  const std::int32_t* arm = arms.data();
  const std::int32_t* const arms_end = arms.data() + arms.size();
  for (const std::int32_t block : block_sizes) {
    const std::int32_t* const block_end =
        arm + std::min<std::ptrdiff_t>(block < 0 ? 0 : block, arms_end - arm);
    for (; arm != block_end; ++arm) {
      const auto a = static_cast<std::size_t>(*arm);
      if (a >= tail_count) [[unlikely]] {
        AddTails(*arm);
        tails = tails_.data();
        tail_count = tails_.size();
      }
      const Tail& tail = tails[a];
      make_room(kNumberEnd + tail.length);
      std::memcpy(out, number + kNumberEnd - length, 16);
      out += length;
      if (tail.length <= kSlack) [[likely]] {
        std::memcpy(out, tail.bytes.data(), kSlack);
      } else {
        std::memcpy(out, tail.bytes.data(), tail.length);
      }
      out += tail.length;
      char* digit = number + kNumberEnd - 1;
      while (*digit == '9') {
        *digit-- = '0';
      }
      ++*digit;
      length = std::max(length, static_cast<std::size_t>(number + kNumberEnd - digit));
    }
    if (mark_blocks) {
      make_room(separator.size());
      std::memcpy(out, separator.data(), separator.size());
      out += separator.size();
    }
  }
  used_ = static_cast<std::size_t>(out - buffer_.data());
}

void ListTextWriter::Finish() {
  Flush();
}

void ListTextWriter::Append(std::string_view text) {
  if (text.size() + kSlack > kPartBytes) {
    Flush();
    sink_.Write(text);
    return;
  }
  MakeRoom(text.size());
  std::memcpy(buffer_.data() + used_, text.data(), text.size());
  used_ += text.size();
}

void ListTextWriter::MakeRoom(std::size_t bytes) {
  if (used_ + bytes + kSlack > buffer_.size()) [[unlikely]] {
    Flush();
    if (bytes + kSlack > buffer_.size()) {
      buffer_.resize(bytes + kSlack);
    }
  }
}

void ListTextWriter::Flush() {
  if (used_ > 0) {
    sink_.Write(std::string_view(buffer_.data(), used_));
    used_ = 0;
  }
}

}  // namespace zufora
