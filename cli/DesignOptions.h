#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/LanguageFileLocation.h"

namespace zufora::cli {

// What every command that draws a design's lists takes: the design file and the options
// that shape the drawing as the window's fields and check boxes would.
struct DesignOptions {
  std::string design_file;
  std::optional<std::string> seed;  // UTF-8, as given
  std::optional<std::string> language_file;
  // Where the program's language file is looked for when --lang is not given; nothing:
  // the built-in texts. Set by the program, not by an option.
  std::optional<LanguagePlaces> language_places;
  bool mark_blocks = true;
  bool show_seed = true;
  bool accept_misfits = false;
  // --test: draw the test list, from TestListSeed of the seed, marked as a test list.
  bool test_list = false;
  // With test_list: the seed is the test list's own already (as a record gives it).
  bool seed_is_test_seed = false;
};

// Takes arguments[i] (and its value, advancing i) when it is one of the shared options or
// the design file. Returns false when the argument is not one of them; sets `error` when
// it is but is wrong (a missing value, a second design file).
bool TakeDesignOption(const std::vector<std::string>& arguments, std::size_t& i,
                      DesignOptions& options, bool& have_design, std::string& error);

// The lines of --help that describe the shared options.
inline constexpr char kDesignOptionsHelp[] =
    "  --seed TEXT        the seed field's text (default: the design file's seed)\n"
    "  --no-blocks        do not mark the blocks (\"Bl\xC3\xB6"
    "cke markieren\" off)\n"
    "  --no-seed          do not show the seed (\"Seed ausgeben\" off)\n"
    "  --accept-misfits   answer No to every question that offers to abandon (default:\n"
    "                     Yes, the generation is abandoned)\n"
    "  --lang FILE        apply this language file first, as the program does at start\n";

}  // namespace zufora::cli
