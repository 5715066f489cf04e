#include "pages/SiteList.h"

#include <variant>

#include "evidence/EnvelopeCards.h"
#include "evidence/ListOutput.h"
#include "evidence/NumberedRows.h"
#include "random/ListCollector.h"
#include "random/ListTextSink.h"

namespace zufora {

std::string SiteListBytes(const GeneratedLists& lists, const NumberingOptions& numbering) {
  NumberedRows numbers(
      std::get<RandomisationNumbering>(NumberDrawnLists(numbering, lists.design, lists.drawn)));
  std::string bytes;
  StringSink sink(bytes);
  const ListTextOptions options;  // a table has no list text options
  ListOutput output(lists.design, options,
                    OutputRequest{.format = OutputFormat::kBlinded,
                                  .text_form = TextForm::kUtf8,
                                  .redcap = {},
                                  .numbers = numbering,
                                  .row_numbers = &numbers},
                    sink);
  ReplayLists(lists.drawn, output);
  output.Finish();
  return bytes;
}

}  // namespace zufora
