#include "evidence/NumberedRows.h"

namespace zufora {

std::string NumberedRows::NumberOf(const AllocationRow& row) {
  // A row beyond the planned allocations cannot come from a checked plan.
  return row.row >= 1 && row.row <= numbering_.Count() ? numbering_.Number(row.row - 1)
                                                       : std::string();
}

}  // namespace zufora
