#pragma once

#include <string>

namespace zufora {

// The list page's choices for a blinded trial. Randomisation numbers (CheckBoxNummern)
// go to the site list and the code-break envelopes: drawn at random from a stream of
// their own (CheckBoxZufallsnummern) or counted in list order, written in the form of
// EditNummernformat (empty: plain digits), with a Damm check digit (CheckBoxPruefziffer).
// A test list (CheckBoxTestliste) is drawn from a seed derived from the design's seed,
// and every output of it says TEST.
struct BlindingChoices {
  bool numbers = false;
  bool random_numbers = false;
  std::string number_format;
  bool check_digit = false;
  bool test_list = false;
};

}  // namespace zufora
