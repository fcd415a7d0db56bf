#pragma once

#include "views/grid.h"
#include "views/tablelayout.h"
#include "views/viewstate.h"

#include <string>
#include <vector>

namespace pny {

class Store;

// Builds the view of `tab` (0 standings, 1 to 6 the player views, 7 the schedule) as the main
// window shows it: the header row of the tab's catalogue filtered by the league's ColumnMask,
// the rows in the tab's order (one blank row when there is none; a totals row on the player
// tabs), the caption and the current row. When the current team or player is not among the
// rows, the record of the selected row becomes current and its parent is written back.
// Grid column 0 of every data row holds the line index of the record the row shows.
ViewGrid buildTable(Store& store, ViewState& state, int tab, const ProgressFn& progress = {});

// Makes the record of a row current, given the text of the row's key column: the team (tab 0),
// the player (tabs 1 to 6) or the game (tab 7), and writes its parent back. An empty key, or the
// key of the record already current, changes nothing.
void selectRecord(Store& store, int tab, const std::string& key);

// Which commands the main window enables for the view it shows.
struct CommandStates {
    bool setup;       // a league is chosen
    bool font;        // follows setup
    bool update;      // at least one column is shown
    bool notes;       // update, and the view shows at least one record
    bool print;       // follows notes
    int focusColumn;  // the column the table's cursor goes to: the wide column when notes, else 0
};
CommandStates commandStates(const Store& store, const ViewGrid& grid);

}  // namespace pny
