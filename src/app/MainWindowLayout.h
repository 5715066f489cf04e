#pragma once

#include "ListTextEdit.h"
#include "MainWindowWidgets.h"

class QPushButton;
class QTableView;
class QWidget;

namespace zufora::app {

// The main window's client area in pixels; the window keeps this size.
inline constexpr int kClientWidth = 521;
inline constexpr int kClientHeight = 376;

// Builds every control of the main window inside `window`, at its place, named after its
// component, in the keyboard order (page control, the pages' controls, Back, Next, Load,
// Save, Close). Texts are left empty; pictures are not set. Typed text that cp1252
// cannot hold is refused in every field and reported to on_refused.
MainWindowWidgets BuildMainWindowWidgets(QWidget& window, const ListTextEdit::Refusal& on_refused);

// Sets the column widths of a table that BuildMainWindowWidgets made; a reset of the
// table's model forgets them, so call it after each.
void ApplyColumnWidths(QTableView& grid);

// Adds a button to the column of buttons beside the list field, below those already
// there, and returns it: the place for further actions on the list.
QPushButton* AddListPageButton(const MainWindowWidgets& widgets, const char* object_name);

// Widens the list page's button column, at the list field's cost, so that every button's
// caption fits as the texts now stand (at most kListButtonColumnMost pixels); no
// narrower than its first width.
inline constexpr int kListButtonColumnMost = 200;
void FitListPageButtons(const MainWindowWidgets& widgets);

}  // namespace zufora::app
