#include "design/Page.h"

#include <array>

namespace zufora {

std::string_view PageName(Page page) {
  static constexpr std::array<std::string_view, kPageCount> kNames = {
      "TabSheetDesign", "TabSheetArme",   "TabSheetZentren", "TabSheetStrata",
      "TabSheetBlock",  "TabSheetZufall", "TabSheetListe",   "TabSheetInfo"};
  return kNames[static_cast<std::size_t>(page)];
}

}  // namespace zufora
