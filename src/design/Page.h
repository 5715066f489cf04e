#pragma once

#include <string_view>

namespace zufora {

// The pages of the main window's page control, in tab order.
enum class Page {
  TabSheetDesign = 0,
  TabSheetArme = 1,
  TabSheetZentren = 2,
  TabSheetBlock = 3,
  TabSheetZufall = 4,
  TabSheetListe = 5,
  TabSheetInfo = 6,
};

inline constexpr int kPageCount = 7;

// The component name of a page, as a language file and the tests address it.
std::string_view PageName(Page page);

}  // namespace zufora
