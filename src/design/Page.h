#pragma once

#include <string_view>

namespace zufora {

// The pages of the main window's page control, in tab order.
// The comment after each names its component.
enum class Page {
  Design = 0,   // TabSheetDesign "Studiendesign"
  Arms = 1,     // TabSheetArme
  Centres = 2,  // TabSheetZentren
  Strata = 3,   // TabSheetStrata
  Blocks = 4,   // TabSheetBlock
  Seed = 5,     // TabSheetZufall
  List = 6,     // TabSheetListe
  Info = 7,     // TabSheetInfo
};

inline constexpr int kPageCount = 8;

// The component name of a page, as a language file and the tests address it.
std::string_view PageName(Page page);

}  // namespace zufora
