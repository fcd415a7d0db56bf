#pragma once

#include "store/records.h"
#include "views/grid.h"
#include "views/viewstate.h"

#include <string>

namespace pny {

class Store;

// The five orders of the schedule: the sort key number stored in character 7 of the league's
// sort keys field (code 128 + key).
enum ScheduleSortKey {
    SortByField = 0,  // field number, date, time
    SortByDate = 1,   // date, time, field number
    SortByTime = 2,   // time of day, date, field number
    SortByHome = 3,   // home team number, away team number, date
    SortByAway = 4,   // away team number, home team number, date
};

// The schedule's sort key of a league: key 1 (by date) when the character is missing or out of
// range.
int scheduleSortKey(const LeagueRecord& league);
// Whether the schedule is shown in descending order (character 7 of the directions is "1").
bool scheduleSortDescending(const LeagueRecord& league);

// The key line of a game in the sort list: three 8-character pieces in the order of `key`, then
// the game's line number. The date and time pieces are filled with blanks to their widths, so the
// line number always starts at character 25, even for a game without a date.
std::string scheduleKeyLine(const GameRecord& game, const std::string& fieldNumber,
                            const std::string& homeNumber, const std::string& awayNumber, int key,
                            int line);

// Whether a game passes the team filter (home or away team) and the umpire filter (any of the
// four umpires); an empty filter lets every game pass. References are compared as text.
bool passesScheduleFilters(const GameRecord& game, const std::string& teamFilter,
                           const std::string& umpireFilter);

// Fills the rows of the schedule (tab 7) into `grid`, whose header row is built: the league's
// active games that pass the store's filters, in the league's order. Makes the shown current
// game's row the current row; when the current game is not shown, the game of the first row
// becomes current and the league is written back. The current game and the current team are in
// their buffers afterwards.
//
// A game whose date and time do not form a valid moment stops the rows there: its row keeps only
// its key (so it can still be chosen and corrected), the rows after it stay blank, and
// `grid.error` holds "'yyyy/mm/dd hh:nn' is not a valid date and time".
void buildScheduleView(Store& store, ViewState& state, ViewGrid& grid, const ProgressFn& progress);

}  // namespace pny
