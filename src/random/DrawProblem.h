#pragma once

namespace zufora {

// What can go wrong only while a list is drawn, however well the numbers were checked.
enum class DrawProblem {
  // No sequence of block sizes was found for the list that begins next: it gets neither
  // block sizes nor allocations, and the generation goes on with the next list.
  kBlockSizesUndrawable,
  // A block of the current list needs places that no draw can reach (only in blocks of
  // more than 2^23 patients whose last arm has ratio 0): the list ends before it.
  kBlockUnfillable,
};

// Hears of each problem at the moment it arises, between the consumer's calls: before
// the BeginList of a list without block sizes, after the last Blocks of a list cut short.
class DrawProblemSink {
 public:
  virtual ~DrawProblemSink() = default;
  virtual void Report(DrawProblem problem) = 0;
};

}  // namespace zufora
