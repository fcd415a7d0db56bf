#pragma once

#include "views/grid.h"
#include "views/leadercategory.h"
#include "views/leadersettings.h"
#include "views/playerstats.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace pny {

class Store;

// The league's leaders: for each category the best players of all the league's teams, ranked,
// with the rate categories limited to players who qualify.

// One player as the leaders read him.
struct LeaderPlayer {
    int line = 0;        // his line in his team's players file
    std::string number;  // as stored
    std::string name;    // as stored
    StatValues values{};
};

// One active team of the league with its active players.
struct LeaderTeam {
    int line = 0;  // its line in the league's teams file
    std::string name;
    long long won = 0, lost = 0, tied = 0;  // of its team record
    long long games = 0;                    // won + lost + tied
    std::vector<LeaderPlayer> players;
};

struct LeaderRow {
    int rank = 0;    // equal values share a rank: 1, 2, 2, 4
    int team = 0;    // the team's line in the teams file
    int player = 0;  // the player's line in his team's players file
    // Cell texts.
    std::string playerName;
    std::string teamName;
    std::string value;
    std::string qualifying;  // the figure the qualification counts; empty for counting tables
};

struct LeaderTable {
    const LeaderCategory* category = nullptr;
    // The qualification rule with the numbers it implies; empty for counting categories.
    std::string rule;
    std::vector<LeaderRow> rows;
    // Why no row is listed ("No pitcher has a save yet"); empty while rows are listed.
    std::string emptyReason;
};

struct LeagueLeaders {
    std::string caption;  // "2024 City League - League Leaders"
    std::vector<LeaderTable> tables;
};

// The league's active teams and players: every team file of the current league is read from the
// data folder, except the teams and players lists the store holds, whose lines in memory (with any
// change not yet saved) are used instead. Nothing of the store changes. Returns false with a
// message naming the file when one exists but cannot be read.
bool readLeagueTeams(const Store& store, std::vector<LeaderTeam>& teams, QString& error);

// The same for the league whose teams file has the base name `teamsBaseName` ("Y2L1").
bool readLeagueTeams(const Store& store, const std::string& teamsBaseName,
                     std::vector<LeaderTeam>& teams, QString& error);

// The lines of a data file: the store's own when one of its lists holds that file (with any
// change not yet saved), otherwise the file's, none when it does not exist. Returns false with a
// message naming the file when it exists but cannot be read.
bool storeFileLines(const Store& store, const std::string& baseName, const char* extension,
                    std::vector<std::string>& lines, QString& error);

// Ranks the players of `teams` in every category. `inningsPerGame` scales the ERA and the
// qualifying factors the user did not set.
std::vector<LeaderTable> rankLeaders(const std::vector<LeaderTeam>& teams,
                                     const LeaderSettings& settings, long long inningsPerGame);

// Whether a player qualifies for a rate category, asked with his team.
using LeaderQualifies =
    std::function<bool(const LeaderTeam&, const LeaderPlayer&, const LeaderCategory&)>;

// Ranks with a rule of the caller's: `rules` gives each rate category's rule text (by
// qualifier), `places` how many places each table lists.
std::vector<LeaderTable> rankLeaders(const std::vector<LeaderTeam>& teams, int places,
                                     long long inningsPerGame, const LeaderQualifies& qualifies,
                                     const std::function<std::string(Qualifier)>& rules);

// The leaders of the store's current league (year and league chosen, leagues loaded). Returns
// false with a message when a team file cannot be read.
bool buildLeagueLeaders(const Store& store, const LeaderSettings& settings, LeagueLeaders& leaders,
                        QString& error);

// A table as cell texts: " Rank", " Player", " Team", the value and, for a rate table, the
// qualifying figure. Grid column 0 holds the player's line; the table's rows give his team.
ViewGrid leaderGrid(const LeaderTable& table);

// Makes a listed player current: his team becomes the league's current team and he its current
// player, with the league and team records written back. Returns false when a list could not be
// saved on the way (the store has reported it).
bool selectLeader(Store& store, int team, int player);

}  // namespace pny
