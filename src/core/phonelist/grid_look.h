#pragma once
// How the phone-list grid paints a cell beyond its usual look: the sort
// column's title is marked, and the rows of one person read as a group
// (repeated names left blank, the rest of the row in teal).
#include <array>
#include <cstdint>
#include <vector>

#include "core/phonelist/phone_list.h"

namespace tonvero {

// The grid's columns: the row numbers, then the four fields. Their widths
// in pixels; the settings file keeps them at 96 DPI whatever the display.
constexpr int kGridColumns = 5;
using ColumnWidths = std::array<int32_t, kGridColumns>;

// The form's widths, at 96 DPI.
constexpr ColumnWidths kDefaultColumnWidths{27, 79, 76, 128, 55};

// `widths` at `fromDpi`, as wide at `toDpi` (ScaleLength of each).
ColumnWidths ScaleWidths(const ColumnWidths& widths, int toDpi, int fromDpi);

enum class CellLook {
  kUsual,      // text in the usual colours
  kSortTitle,  // the sort column's title: marked
  kBlank,      // background only: the same as the row above
  kTeal,       // text in teal: another entry of the person above
};

// The look of the cell at grid `row` (0 the titles, r the record
// records[r - 1]) and `column` (0 the row numbers, 1..4 the fields), with
// `selectedRow` selected and the list sorted by `sortField`.
CellLook LookOf(const std::vector<Record>& records, int row, int column, int selectedRow,
                int sortField);

}  // namespace tonvero
