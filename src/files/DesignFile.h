#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "design/DesignFiles.h"
#include "design/StudyDesign.h"
#include "files/IniDocument.h"
#include "lang/MessageCatalogue.h"

namespace zufora {

// Writes every key of a design into `file`, in the order of the sections Design, Arme,
// Zentren, Bloecke, Zufall, Strata; keys this does not write stay as they are. Texts are
// written as they stand (a CR or LF in one, which no single-line field can hold, is
// written as a blank, see IniDocument::Set); Multicenter and Fix as "1" or "0"; each
// table's Anzahl is its row count - 1, followed by all its rows, the centre table in full
// whether per-centre lists is on or off.
//
// The section Strata holds the stratification: Aktiv ("1" or "0"), Laenge (the length of
// each stratum, empty for the default), Anzahl (the factors), and for factor i its Namei,
// Feldi and Stufeni (its level count), then for its level j Codei_j and Bezi_j. It is
// written only when stratification is on, when there are factors, or when the file holds
// the section already, so that a design without them is saved exactly as before.
void WriteDesign(const StudyDesign& design, IniDocument& file);

// Why a design file was refused before anything was read into the pages: a catalogue
// message and the values it names. The text is composed when it is shown, so that it
// follows the language file.
struct DesignFileRefusal {
  Message message = Message::MessageDesignFileTooManyArms;
  std::vector<std::string> values;  // cp1252 (a file name: its bytes as they are)

  // The text to show as a plain message, cp1252.
  std::string Text(const MessageCatalogue& messages) const {
    return messages.Compose(message, values);
  }
};

// Reads a design file into `design`: every field's text, both tables (the arm heading
// row left as it is, the centre heading row written from `headings`), the per-centre
// switch, the block size mode and the stratification factors. Missing keys take their
// defaults (no Strata section: not stratified, no factors). A table row count, factor
// count or level count beyond the program's limits refuses the whole file and leaves
// `design` unchanged (MessageDesignFileTooManyFactors naming the section, its Anzahl and
// kMaxFactors; MessageDesignFileTooManyLevels naming the section, the Stufen key, its
// value and kMaxLevels).
//
// These are the load steps between the open dialog and the closing steps: it only sets
// the fields. The caller runs what the per-centre switch's click handler does and the
// closing steps, and enables the block size fields for the mode read. The checked
// numbers are not touched. An Anzahl that is negative, missing or no integer gives a
// table with its heading row only; one above kMaxArms arms or kMaxCentres centres is
// refused (MessageDesignFileTooManyArms or ...TooManyCenters, naming the section, its
// Anzahl as written, cut after 24 characters, and the limit).
std::optional<DesignFileRefusal> ReadDesign(const IniDocument& file, const CentreHeadings& headings,
                                            StudyDesign& design);

}  // namespace zufora
