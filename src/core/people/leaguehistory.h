#pragma once

#include "people/playerkey.h"
#include "people/seasonleagues.h"
#include "views/grid.h"
#include "views/leaders.h"
#include "views/leadersettings.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class PeopleLinks;
class Store;

// A league's history over the seasons: the leagues of every season that share its name (the
// program's collation, letter case ignored) or that the user linked to it, each season's standings
// leader, and the all-time leaders of the leader categories, where a linked person's seasons
// count together.

// The standings leader of one season: the team the standings show first, or several teams when
// they share the best record.
struct SeasonChampion {
    SeasonLeague league;
    std::vector<std::string> teams;  // empty when no team has a decided game
    long long won = 0, lost = 0, tied = 0;
};

struct LeagueHistory {
    std::string caption;                // "City League - League History"
    std::vector<SeasonLeague> leagues;  // the seasons' leagues, in the order of the years
    std::vector<SeasonChampion> champions;
    std::vector<LeaderTable> leaders;  // the all-time leaders
};

// The leagues of `all` in the history of `current`: every league whose name equals the name of
// one in the history (the program's collation, letter case ignored) or that is linked to one, in
// the order of `all`.
std::vector<SeasonLeague> historyLeagues(const std::vector<SeasonLeague>& all,
                                         const LeagueKey& current, const PeopleLinks& people);

// The all-time qualification rule above a rate table: "Qualified: at least 100 PA in a career".
std::string careerRule(Qualifier qualifier, const LeaderSettings& settings);

// Whether career sums qualify for a rate category.
bool careerQualifies(Qualifier qualifier, const LeaderSettings& settings,
                     const StatValues& careerRates);

// The history of the store's current league, with the places and career figures of `settings`.
// Returns false with a message naming the file when one cannot be read.
bool buildLeagueHistory(const Store& store, const PeopleLinks& people,
                        const LeaderSettings& settings, LeagueHistory& history, QString& error);

// The standings leaders as cell texts: " Year", " League", " Team", " Won", " Lost", " Tied" and
// " Pct"; the key column holds the league's base name.
ViewGrid championsGrid(const LeagueHistory& history);

// The history as text to publish: the caption, the standings leaders, then the all-time leader
// tables as the leaders' exports write them.
QString exportHistoryTsv(const LeagueHistory& history);
QString exportHistoryCsv(const LeagueHistory& history);
QString exportHistoryHtml(const LeagueHistory& history);

}  // namespace pny
