#pragma once

#include <string_view>

namespace zufora {

// The pages of the main window's page control, in tab order.
// The comment after each names its component.
enum class Page {
  Design = 0,   // TabSheetDesign "Studiendesign"
  Arms = 1,     // TabSheetArme
  Centres = 2,  // TabSheetZentren
  Blocks = 3,   // TabSheetBlock
  Seed = 4,     // TabSheetZufall
  List = 5,     // TabSheetListe
  Info = 6,     // TabSheetInfo
};

inline constexpr int kPageCount = 7;

// The component name of a page, as a language file and the tests address it.
std::string_view PageName(Page page);

}  // namespace zufora
