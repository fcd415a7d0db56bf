#pragma once

#include "views/leadersettings.h"
#include "views/playerstats.h"

#include <optional>
#include <string>
#include <vector>

namespace pny {

// The categories of the league leaders: what each ranks, how its value is worked out and shown,
// and who qualifies for a rate.

// The figure a rate category's qualification counts, per game of the player's team.
enum class Qualifier { None, PlateAppearances, Innings, Games };

enum class LeaderGroup { Batting, Pitching, Fielding };

// What a category ranks.
enum class LeaderStat {
    Avg,
    OnBase,
    Slugging,
    Ops,
    Hits,
    Doubles,
    Triples,
    HomeRuns,
    RunsBattedIn,
    RunsScored,
    Walks,
    StolenBases,
    Era,
    Whip,
    Won,
    Saves,
    StrikeOuts,
    InningsPitched,
    WinPercent,
    Fielding,
    PutOuts,
    Assists
};

struct LeaderCategory {
    LeaderStat stat;
    const char* id;     // a name without signs, for object names: "AVG", "OBP", "2B"
    const char* name;   // the value column's header without its blank: "AVG", "OB%"
    const char* title;  // "Batting Average"
    LeaderGroup group;
    Qualifier qualifier;  // None for the counting categories, which need no qualification
    bool lowerIsBetter;   // ERA and WHIP
};

// Every category in the order the tables are shown: batting, pitching, fielding.
const std::vector<LeaderCategory>& leaderCategories();

// The value a player ranks by in a category, in the units its text shows (values past the text's
// cap rank alike); nothing when he has none: a divisor of 0, or a count of 0 or less.
std::optional<long long> leaderRankValue(LeaderStat stat, const StatValues& values,
                                         long long inningsPerGame);

// The value's cell text, made by the same formats as the player views' cells.
std::string leaderValueText(LeaderStat stat, const StatValues& values, long long inningsPerGame);

// The factor a qualifier uses in a league whose games have `inningsPerGame` innings: the one the
// user set, else the default for such games.
int qualifyingFactor(Qualifier qualifier, const LeaderSettings& settings, long long inningsPerGame);

// Whether a player qualifies for a category after his team's `teamGames`: always for a counting
// category, never when the team has not played.
bool qualifiesFor(Qualifier qualifier, const LeaderSettings& settings, long long inningsPerGame,
                  long long teamGames, const StatValues& values);

// The figure a player qualifies with, as his row shows it: PA, IP ("7.2") or G.
std::string qualifyingText(Qualifier qualifier, const StatValues& values);

// The unit of a qualifier: "PA", "IP" or "G".
const char* qualifierUnit(Qualifier qualifier);

// The rule above a rate table: "Qualified: 3.1 PA per team game (31 PA after 10 games)", with the
// factor used in a league of `inningsPerGame` innings, where the numbers in brackets are those of
// the fewest and the most games a team has played (teams without a game do not count).
std::string qualificationRule(Qualifier qualifier, const LeaderSettings& settings,
                              long long inningsPerGame, long long fewestGames, long long mostGames);

// "Batting Average (AVG)".
std::string leaderTableTitle(const LeaderCategory& category);

}  // namespace pny
