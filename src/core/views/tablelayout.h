#pragma once

#include "store/records.h"
#include "views/grid.h"

#include <vector>

namespace pny {

// The header row of `tab`: the catalogue headers the league's ColumnMask shows, after the empty
// header of the key column, and the grid columns of the shown name columns (at most 7).
void buildHeaderRow(const LeagueRecord& league, int tab, ViewGrid& grid);

// The column the keyboard focus goes to: the first name column, otherwise the last grid column,
// and 0 when no column is shown.
int wideColumn(const ViewGrid& grid);

// Sets a grid with no record to show to its one blank data row.
void clearTableBody(ViewGrid& grid);

// Column widths in pixels for a table of `columnCount` grid columns (the key column included)
// and a client width of `clientWidth`: ordinary columns share the width evenly and the name
// columns take the rest. Index 0, the key column, is always 0 wide.
std::vector<int> sizeColumns(int columnCount, const std::vector<int>& wideColumns, int clientWidth);

}  // namespace pny
