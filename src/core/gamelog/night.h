#pragma once

#include "views/playerstats.h"

#include <optional>
#include <string>
#include <vector>

namespace pny {

class GameLog;

// One game night as the box score sheet holds it: both teams' lines and the score.

struct BoxScoreLine {
    int player = 0;       // the player's line in his team's players file
    StatValues values{};  // the 43 counted statistics (BO and Pos are not part of a night)
};

struct BoxScoreTeam {
    int team = 0;  // the team's line in the league's teams file
    std::vector<BoxScoreLine> lines;
    std::optional<long long> score;  // the team's runs; none when not typed
};

struct Night {
    std::string date;  // yyyymmdd
    std::string time;  // hhnn; empty when not known
    int game = 0;      // the game's line in the schedule; 0 for a date and two teams
    BoxScoreTeam home;
    BoxScoreTeam away;

    // Both scores typed: the game was played to its end and counts for the standings.
    bool finished() const { return home.score.has_value() && away.score.has_value(); }
};

// A past night as it stands now, its changes included; nothing for an entry that is no night of
// the log or that was removed.
std::optional<Night> nightOf(const GameLog& log, int entry);

// The night of the log that holds the schedule's game `game` and was not removed; 0 for none.
int nightOfGame(const GameLog& log, int game);

// The statistics a night's line is made of, in the player dialog's order: the 43 counted ones.
bool isNightStat(PlayerStat stat);

}  // namespace pny
