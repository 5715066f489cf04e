#pragma once

#include <QString>
#include <QStringView>
#include <functional>

namespace zufora::app {

// How the list field holds its text: lines (ended by "\n") in paragraphs of at most
// kLinesPerParagraph lines and kParagraphCharacters characters, the lines of a paragraph
// separated by QChar::LineSeparator. A line longer than a paragraph may hold is shown in
// pieces, each piece after the first a paragraph of its own that continues the line. A
// paragraph is laid out whole at every change, and word wrapping lays out a word that
// does not fit a screen line again for every screen line it fills: bounded paragraphs
// keep each keystroke's work small, whatever the length of a line.
inline constexpr int kLinesPerParagraph = 100;
inline constexpr int kParagraphCharacters = 4096;

// Where the text goes, piece by piece, in order.
struct ParagraphOutput {
  std::function<void(QStringView text)> text;  // text for the paragraph being written
  // A new paragraph: continuing the line (a piece of a long line) or starting a new one.
  std::function<void(bool continues_line)> paragraph;
};

// Writes `text` (lines ended by "\n"; CR LF and CR count as "\n") into paragraphs as
// above. The paragraph written to at first already holds `lines` lines (at least 1) and
// `characters` characters.
void WriteParagraphs(QStringView text, int lines, int characters, const ParagraphOutput& out);

}  // namespace zufora::app
