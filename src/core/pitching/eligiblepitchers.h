#pragma once

#include "pitching/pitchrules.h"
#include "views/grid.h"

#include <QDate>

#include <optional>

namespace pny {

class GameLog;
class Store;

// Who may pitch on a date: the table of the Eligible Pitchers window, `pny pitchers` and the
// team pages of the published site.

// How far back the table looks for pitchers.
constexpr int kPitchersLookBackDays = 14;

// The first date of the schedule on or after `today` that has a game; `today` when none has.
QDate nextGameDate(const Store& store, const QDate& today);

// Every player of the league (or of team `team` when it is not 0) who pitched in the 14 days
// before `date`, or who may still not pitch on it: his team, name, last day (date and pitches,
// a doubleheader added up), and, when the league has rules, the days of rest it requires, the
// first date he is eligible and whether he is on `date`. A count that is missing reads
// "unknown", never 0. The key column holds the team and the player line ("2.14"). The store's
// teams must be loaded.
ViewGrid eligiblePitchers(const Store& store, const GameLog& log,
                          const std::optional<PitchRules>& rules, const QDate& date, int team = 0);

}  // namespace pny
