#pragma once

#include "views/grid.h"

namespace pny {

class GameLog;
class Store;

// A team's lines of the game log (or one player's, when `player` is above 0) as a table: entry,
// what it was, the night it corrects, date, time, game, team, opponent, player number and name,
// the 43 statistics by the box score sheet's captions, then won, lost, tied and score of the team
// lines. Names come from the store's current league.
ViewGrid gameLogTable(const Store& store, const GameLog& log, int team, int player);

// A log kind in words: "Night", "Before the log", ...
const char* logKindName(char kind);

}  // namespace pny
