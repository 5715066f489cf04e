#include "random/ListText.h"

#include "random/ListCollector.h"

namespace zufora {
namespace {

class ByteCounter : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override { bytes += whole_lines.size(); }
  std::uint64_t bytes = 0;
};

}  // namespace

void WriteListText(const DrawnLists& lists, const StudyDesign& design,
                   const ListTextOptions& options, ListTextSink& sink) {
  ListTextWriter writer(design, options, sink);
  ReplayLists(lists, writer);
  writer.Finish();
}

std::string RenderListText(const DrawnLists& lists, const StudyDesign& design,
                           const ListTextOptions& options) {
  std::string text;
  // One pass to size the text saves the copies of a growing string.
  text.reserve(ListTextSize(lists, design, options));
  StringSink sink(text);
  WriteListText(lists, design, options, sink);
  return text;
}

std::uint64_t ListTextSize(const DrawnLists& lists, const StudyDesign& design,
                           const ListTextOptions& options) {
  ByteCounter counter;
  WriteListText(lists, design, options, counter);
  return counter.bytes;
}

}  // namespace zufora
