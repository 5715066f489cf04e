#pragma once

#include <QString>

#include "RefusedCharacters.h"
#include "lang/MessageCatalogue.h"

class QWidget;

namespace zufora::app {

// The note on characters left out of an input: MessageCharacterRefused naming the
// character when all of them were one character, else MessageCharactersRefused with
// their count and the first of them.
QString RefusalNoteText(const MessageCatalogue& catalogue, const RefusedCharacters& refused);

// Shows the note beside the field that has the focus (or over the window), with a beep.
void ShowRefusalNote(QWidget& window, const QString& note);

}  // namespace zufora::app
