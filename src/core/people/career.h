#pragma once

#include "people/playerkey.h"
#include "store/records.h"
#include "views/grid.h"
#include "views/playerstats.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class Store;

// Counts summed over the seasons of a career. Each season's earned runs are weighed with that
// season's innings per game, so that a career of 7-inning and 9-inning seasons has a fair ERA.
struct CareerSums {
    StatValues values{};             // every count summed (G and GP too), thirds not carried
    long long earnedRunInnings = 0;  // the sum of earned runs x innings per game

    void add(const StatValues& season, long long inningsPerGame);
    // The sums with the thirds of innings carried into whole innings (thirds 0 to 2).
    StatValues carried() const;
    // The carried sums with the earned runs replaced by the weighed ones, for the rates, to be
    // used with 1 inning per game.
    StatValues forRates() const;
    // The derived texts of the sums; the career ERA is 300 x the weighed earned runs over the
    // outs, in hundredths.
    DerivedTexts derived() const;
};

// One season of a career: the player record and where it was played.
struct CareerSeason {
    PlayerKey key;
    std::string season;  // the year's number (or name), as stored
    std::string league;  // the league's name
    std::string team;    // the team's name
    long long inningsPerGame = 9;
    PlayerRecord record;
};

struct Career {
    std::string name;                   // the person's name: that of his latest season
    std::vector<CareerSeason> seasons;  // in the order of the years, leagues and teams
    CareerSums sums;
};

// The key of the store's current player, as the selection names him.
PlayerKey currentPlayerKey(const Store& store);

// Reads the records of `keys` (a person's records, see PeopleLinks::recordsOf) with their
// seasons, leagues and teams; only the files they are in are read, the store's lists in memory
// taken for the files they hold. A key that points at no active record is left out. Returns
// false with a message naming the file when one cannot be read.
bool readCareer(const Store& store, const std::vector<PlayerKey>& keys, Career& career,
                QString& error);

// The career as a table with the columns player tab `tab` shows in `league`, after " Year",
// " League" and " Team": one row per season and team with that season's own derived values,
// then a row " Career" with the sums and the rates of the sums. The key column holds each
// record's key ("Y1L1T2P3"). Its caption is "Career - " and the name.
ViewGrid careerGrid(const Career& career, const LeagueRecord& league, int tab);

}  // namespace pny
