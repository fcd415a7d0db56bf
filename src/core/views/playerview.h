#pragma once

#include "store/records.h"
#include "views/grid.h"
#include "views/playerstats.h"
#include "views/viewstate.h"

#include <string>

namespace pny {

class Store;

// The sort key number (catalogue position - 1, 0 to 60) of player tab `tab` (1 to 6) stored in
// the league; a character outside the range reads as key 1, the player number.
int playerSortKey(const LeagueRecord& league, int tab);
// Whether player tab `tab` sorts descending.
bool playerSortDescending(const LeagueRecord& league, int tab);

// The key line of a player for sort key `key`: a 20-character sort field (the name
// left-justified with a to z in capitals, every other value right-justified, blanks for the
// sequence), then the player's line number.
std::string playerKeyLine(const PlayerRecord& player, const DerivedTexts& derived, int key,
                          int line);

class RowWriter;

// Offers the 61 catalogue cells of a player's row to `writer`: `row` is its sequence number.
void writePlayerRow(RowWriter& writer, int row, const PlayerRecord& player,
                    const DerivedTexts& texts);

// Offers the 61 catalogue cells of a totals row to `writer`: `label` in the name column, the
// sums and their derived texts, `games` in G and `gamesPitched` in GP; Seq, No, BO and Pos show
// " ***". The innings of `sums` are shown as they are (carry the thirds first).
void writeTotalsRow(RowWriter& writer, const StatValues& sums, const DerivedTexts& totals,
                    const std::string& label, long long games, long long gamesPitched);

// Fills the rows of player tab `tab` into `grid`, whose header row is built, in the tab's order,
// followed by a totals row. Computes the derived values first when the cache does not belong to
// the players file in memory. When the current player is not shown, the player of the first row
// becomes current and the team is written back. The current player's record is in the player
// buffer afterwards.
void buildPlayerView(Store& store, ViewState& state, int tab, ViewGrid& grid,
                     const ProgressFn& progress);

}  // namespace pny
