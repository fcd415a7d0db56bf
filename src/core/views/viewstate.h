#pragma once

#include "store/sortedlist.h"
#include "views/playerstats.h"
#include "views/progress.h"

namespace pny {

// What the views keep between refreshes: the sort list of key lines and the player stats cache.
struct ViewState {
    // The one sorted list of key lines through which every view orders its rows; emptied at the
    // start of every refresh.
    SortedList sortList;
    // Derived values of the current team's players, sized to the players list.
    PlayerStatsCache cache;

    // Forces the derived values to be computed again at the next player view: after the innings
    // per game change, statistics are stored or the player list is changed.
    void clearStatsCache() { cache.clear(); }
};

}  // namespace pny
