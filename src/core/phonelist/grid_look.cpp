#include "core/phonelist/grid_look.h"

#include "core/common/scaling.h"

namespace tonvero {

CellLook LookOf(const std::vector<Record>& records, int row, int column, int selectedRow,
                int sortField) {
  if (row == 0) return column == sortField ? CellLook::kSortTitle : CellLook::kUsual;
  if (row < 2 || row > static_cast<int>(records.size()) || column < 1 || column > kRecordFields) {
    return CellLook::kUsual;
  }
  const Record& current = records[row - 1];
  const Record& above = records[row - 2];
  if (current.first != above.first || current.last != above.last) return CellLook::kUsual;
  if (column <= 2) return CellLook::kBlank;
  if (column == 4 && current.remarks == above.remarks) return CellLook::kBlank;
  return row == selectedRow ? CellLook::kUsual : CellLook::kTeal;
}

ColumnWidths ScaleWidths(const ColumnWidths& widths, int toDpi, int fromDpi) {
  ColumnWidths scaled{};
  for (int column = 0; column < kGridColumns; ++column) scaled[column] = ScaleLength(widths[column], toDpi, fromDpi);
  return scaled;
}

}  // namespace tonvero
