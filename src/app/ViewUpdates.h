#pragma once

#include <cstdint>
#include <string>

class QLineEdit;
class QTableView;

namespace zufora::app {

// Shows a cp1252 text in a field, leaving the field alone when it shows it already (so
// that its cursor stays where the user left it).
void SetText(QLineEdit* edit, const std::string& text);

// The grid's selection on `row`, the column after the fixed label column; none for a row
// the grid does not have.
void SelectRow(QTableView* grid, std::int32_t row);

}  // namespace zufora::app
