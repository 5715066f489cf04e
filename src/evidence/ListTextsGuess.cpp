#include "evidence/ListTextsGuess.h"

#include "evidence/BoundedLineReader.h"
#include "text/Cp1252.h"

namespace zufora {

std::size_t LikeliestListTexts(std::istream& file, const std::vector<ListTexts>& candidates) {
  constexpr int kLines = 1000;
  struct Forms {
    std::string separator;
    std::string separator_utf8;
    std::string heading;
    std::string heading_utf8;
  };
  std::vector<Forms> forms;
  for (const ListTexts& texts : candidates) {
    forms.push_back({texts.block_separator, Cp1252ToUtf8(texts.block_separator),
                     texts.center_caption + ' ', Cp1252ToUtf8(texts.center_caption + ' ')});
  }
  std::vector<int> scores(candidates.size(), 0);
  BoundedLineReader reader(file);
  reader.SkipByteOrderMark();
  FileLine line;
  for (int read = 0; read < kLines && reader.Next(line); ++read) {
    if (line.number == 1) {
      continue;  // the title is the study's
    }
    for (std::size_t c = 0; c < forms.size(); ++c) {
      const Forms& f = forms[c];
      if (line.Is(f.separator) || line.Is(f.separator_utf8) || line.head.starts_with(f.heading) ||
          line.head.starts_with(f.heading_utf8)) {
        ++scores[c];
      }
    }
  }
  std::size_t best = 0;
  for (std::size_t c = 1; c < scores.size(); ++c) {
    if (scores[c] > scores[best]) {
      best = c;
    }
  }
  return best;
}

}  // namespace zufora
