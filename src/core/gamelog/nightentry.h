#pragma once

#include "gamelog/night.h"

#include <QString>

namespace pny {

class Store;

// Putting a game night into the season, changing a past one and removing one. Each changes the
// store's lists in memory (both teams' players, the teams' won/lost/tied, the game's score) and
// stages the game log; the caller commits, so that the night reaches the disk as one commit.
// The store's selection is as it was before.

struct NightOutcome {
    bool accepted = false;
    // Why nothing was changed: a total that would leave -999..9999 (naming the player and the
    // statistic), decisions no game can have (two winning pitchers...), a team or player that
    // is not in the league, a log that cannot be read.
    QString refusal;
    int entry = 0;  // the log entry written
};

// Adds every line to its player's totals with the player dialog's arithmetic (three thirds make
// an inning), counts each team's won, lost or tied from the score when the night is finished,
// writes the score into the schedule's game when it has one, and logs the night. A player's first
// line in the log is preceded by his totals before the log began.
NightOutcome addNight(Store& store, const Night& night);

// Replaces a past night by `corrected`: applies the difference (results and score included) and
// logs it as a change of that night.
NightOutcome changeNight(Store& store, int night, const Night& corrected);

// Undoes a past night exactly, with its changes: every total, result and score goes back to what
// it was before the night, and the removal is logged.
NightOutcome removeNight(Store& store, int night);

}  // namespace pny
