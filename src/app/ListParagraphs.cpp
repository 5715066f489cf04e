#include "ListParagraphs.h"

namespace zufora::app {
namespace {

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
         c == QChar::ParagraphSeparator;
}

}  // namespace

void WriteParagraphs(QStringView text, int lines, int characters, const ParagraphOutput& out) {
  const QChar line_separator(QChar::LineSeparator);
  qsizetype start = 0;
  bool first_line = true;
  while (start <= text.size()) {
    qsizetype end = start;
    while (end < text.size() && !IsLineBreak(text[end])) {
      ++end;
    }
    QStringView line = text.mid(start, end - start);
    if (!first_line) {
      if (lines >= kLinesPerParagraph || characters + line.size() > kParagraphCharacters) {
        out.paragraph(false);
        lines = 1;
        characters = 0;
      } else {
        out.text(QStringView(&line_separator, 1));
        ++lines;
        ++characters;
      }
    }
    first_line = false;
    // A line that does not fit goes on in pieces, never parting a surrogate pair.
    while (characters + line.size() > kParagraphCharacters) {
      qsizetype room = kParagraphCharacters - characters;
      if (room > 0 && room < line.size() && line[room - 1].isHighSurrogate()) {
        --room;
      }
      if (room > 0) {
        out.text(line.first(room));
        line = line.sliced(room);
      }
      out.paragraph(true);
      lines = 1;
      characters = 0;
    }
    out.text(line);
    characters += static_cast<int>(line.size());
    if (end == text.size()) {
      break;
    }
    // CR LF is one line end.
    start = end + (text[end] == QLatin1Char('\r') && end + 1 < text.size() &&
                           text[end + 1] == QLatin1Char('\n')
                       ? 2
                       : 1);
  }
}

}  // namespace zufora::app
