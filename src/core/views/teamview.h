#pragma once

#include "views/grid.h"
#include "views/viewstate.h"

#include <string>

namespace pny {

class Store;

// The standings key line of a team: its winning percentage (5 characters), a tie breaker
// (5 characters: decided games for a winning record, 1000 less them otherwise), then its line
// number. Greater keys rank higher.
std::string standingsKey(int won, int lost, int line);

// Games behind the leader (won w1, lost l1) of a team with won w and lost l, as its cell text.
std::string gamesBehind(int leaderWon, int leaderLost, int won, int lost);

// Fills the rows of the standings (tab 0) into `grid`, whose header row is built, best record
// first. Makes the shown current team's row the current row; when the current team is not shown,
// the team of the first row becomes current and the league is written back. The current team's
// record is in the team buffer afterwards.
void buildTeamView(Store& store, ViewState& state, ViewGrid& grid, const ProgressFn& progress);

}  // namespace pny
