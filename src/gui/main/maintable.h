#pragma once

#include "store/records.h"
#include "views/grid.h"

class QTabBar;
class QTableWidget;
class QWidget;

// The main window's table and the tab row under it: their look, the table's rows from a view,
// its column widths and the font a league stores. The window wires them to its commands.
namespace maintable {

// A read-only table of whole rows, in the window's grey, bold design font.
QTableWidget* make(QWidget* parent);
// The row of the eight tabs, one for each view of the table.
QTabBar* makeTabRow(QWidget* parent);
// Shows the headers and the cells of `grid`.
void fill(QTableWidget& table, const pny::ViewGrid& grid);
// Selects the row of the grid's current record at `focusColumn`, else the first record; a
// table with no record has no current cell.
void selectCurrentRow(QTableWidget& table, const pny::ViewGrid& grid, int focusColumn);
// Shares the viewport's width among the columns, the wide ones of `grid` first.
void sizeColumns(QTableWidget& table, const pny::ViewGrid& grid);
// The font and colour stored in the league; fields left empty keep what the table has.
void applyLeagueFont(QTableWidget& table, const pny::LeagueRecord& league);

}  // namespace maintable
