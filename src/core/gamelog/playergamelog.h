#pragma once

#include "views/grid.h"

namespace pny {

class GameLog;
class Store;

// A player's game log as a table: a row per entry that touched him (date, opponent, what it was,
// the night's line) with his running totals, printed and exported like any tab.
ViewGrid playerGameLog(const Store& store, const GameLog& log, int team, int player);

}  // namespace pny
