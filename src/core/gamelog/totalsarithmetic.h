#pragma once

#include "views/playerstats.h"

#include <QString>

namespace pny {

// Adding a night (or taking one away) to the totals of a player and a team.

// Whether every value is zero.
bool isZero(const StatValues& values);

// Outs pitched of whole innings and thirds.
inline long long outsOf(long long innings, long long thirds) {
    return 3 * innings + thirds;
}

// `before` with `values` added to its totals (BO and Pos untouched). Whole innings and thirds are
// added as outs and written with thirds 0 to 2, which is the player dialog's carry for anything
// added and takes a night away exactly; totals whose thirds lie outside 0 to 2 (left by an undo in
// the dialog) are added as the dialog adds them. Returns the refusal, naming the statistic, when
// a total would not fit its 4 characters; `after` is then unusable.
QString addToTotals(const PlayerRecord& before, const StatValues& values, PlayerRecord& after);

struct TeamResults {
    long long won = 0;
    long long lost = 0;
    long long tied = 0;
};

// `before` with the results added, written as the team result dialog writes them; the refusal
// when a total would not fit.
QString addTeamResults(const TeamRecord& before, const TeamResults& results, TeamRecord& after);

}  // namespace pny
