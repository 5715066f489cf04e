#include "print/TextFitter.h"

#include <algorithm>

namespace zufora {
namespace {

// A longer text is measured by its beginning first, this many bytes and then four times
// as many each time, until a beginning is too wide or the text is measured whole; so a
// text of megabytes costs about as much as the part of it that fits.
constexpr std::size_t kPrefixBytes = 256;

}  // namespace

std::int32_t TextFitter::WidthUpTo(std::string_view text, std::int64_t limit) {
  for (std::size_t probe = kPrefixBytes; probe < text.size(); probe *= 4) {
    const std::int32_t beginning = surface_.TextWidth(text.substr(0, probe));
    if (beginning > limit) {
      return beginning;
    }
  }
  return surface_.TextWidth(text);
}

std::int32_t TextFitter::BlankWidth() {
  if (blank_width_ < 0 || !(blank_font_ == surface_.Font())) {
    blank_font_ = surface_.Font();
    blank_width_ = surface_.TextWidth(" ");
  }
  return blank_width_;
}

bool TextFitter::FitsNow(std::string_view text, std::int32_t room, std::int32_t overhang,
                         std::int32_t& width) {
  const std::int64_t limit = std::int64_t{room} + std::int64_t{overhang} * BlankWidth();
  width = WidthUpTo(text, limit);
  return width <= limit;
}

void TextFitter::SetPointSize(std::int32_t points) {
  PrintFont font = surface_.Font();
  font.point_size = points;
  surface_.SetFont(font);
}

FittedText TextFitter::Fit(std::string_view text, std::int32_t room, std::int32_t overhang,
                           bool shrink) {
  const PrintFont base = surface_.Font();
  FittedText fitted;
  fitted.point_size = base.point_size;
  if (FitsNow(text, room, overhang, fitted.width)) {
    fitted.text.assign(text);
    fitted.blank = BlankWidth();
    return fitted;
  }
  fitted.as_given = false;
  const std::int32_t smallest = std::min(base.point_size, kSmallestFitPoints);
  std::int32_t found = 0;
  if (shrink && base.point_size - 1 >= smallest) {
    // Widths grow about in proportion to the size: start at the size where the text
    // would just fit, then step up while it still fits (the largest size is wanted) or
    // down until it does. Mostly two measurements, however many sizes lie between.
    const std::int64_t needed = std::max<std::int64_t>(
        1, std::int64_t{fitted.width} - std::int64_t{overhang} * BlankWidth());
    const std::int64_t estimate = std::int64_t{base.point_size} * std::max(room, 0) / needed;
    std::int32_t probe = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(estimate, smallest, base.point_size - 1));
    std::int32_t width = 0;
    SetPointSize(probe);
    if (FitsNow(text, room, overhang, width)) {
      found = probe;
      fitted.width = width;
      while (found + 1 < base.point_size) {
        SetPointSize(found + 1);
        if (!FitsNow(text, room, overhang, width)) {
          break;
        }
        ++found;
        fitted.width = width;
      }
    } else {
      while (--probe >= smallest) {
        SetPointSize(probe);
        if (FitsNow(text, room, overhang, width)) {
          found = probe;
          fitted.width = width;
          break;
        }
      }
    }
  }
  if (found != 0) {
    SetPointSize(found);
    fitted.text.assign(text);
    fitted.point_size = found;
  } else {
    SetPointSize(shrink ? smallest : base.point_size);
    const std::int32_t size = surface_.Font().point_size;
    fitted = Cut(text, room, overhang);
    fitted.point_size = size;
  }
  fitted.blank = BlankWidth();
  if (fitted.point_size != base.point_size) {
    const std::int32_t small_ascent = surface_.FontAscent();
    surface_.SetFont(base);
    fitted.baseline_shift = surface_.FontAscent() - small_ascent;
  }
  surface_.SetFont(base);
  return fitted;
}

FittedText TextFitter::Cut(std::string_view text, std::int32_t room, std::int32_t overhang) {
  FittedText fitted;
  fitted.as_given = false;
  const std::size_t lead = text.find_first_not_of(' ');
  if (lead == std::string_view::npos) {
    return fitted;  // blanks only: nothing to cut, nothing that shows
  }
  const std::size_t trail = text.find_last_not_of(' ') + 1;
  const std::string_view inner = text.substr(lead, trail - lead);
  std::string candidate;
  const auto make = [&](std::size_t kept) {
    std::string_view beginning = inner.substr(0, kept);
    while (!beginning.empty() && beginning.back() == ' ') {
      beginning.remove_suffix(1);
    }
    candidate.assign(text.substr(0, lead));
    candidate += beginning;
    candidate += kEllipsis;
    candidate += text.substr(trail);
  };
  std::int32_t width = 0;
  make(0);
  if (!FitsNow(candidate, room, overhang, width)) {
    return fitted;
  }
  // The whole text did not fit, so neither does all of it with the ellipsis: the longest
  // beginning that fits lies in [fits, fails), found by doubling and then halving, so
  // that a huge text is measured only as far as the room reaches.
  std::size_t fits = 0;
  std::size_t fails = inner.size();
  for (std::size_t probe = 64; probe < fails; probe *= 2) {
    make(probe);
    if (!FitsNow(candidate, room, overhang, width)) {
      fails = probe;
      break;
    }
    fits = probe;
  }
  while (fails - fits > 1) {
    const std::size_t middle = fits + (fails - fits) / 2;
    make(middle);
    if (FitsNow(candidate, room, overhang, width)) {
      fits = middle;
    } else {
      fails = middle;
    }
  }
  make(fits);
  FitsNow(candidate, room, overhang, width);
  fitted.text = candidate;
  fitted.width = width;
  return fitted;
}

}  // namespace zufora
