#pragma once

#include "people/playerkey.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class Store;

// One league of one season, as the careers and the league history read them.
struct SeasonLeague {
    int year = 0;        // the year's line in the years file
    int league = 0;      // the league's line in the year's leagues file
    std::string season;  // the year's number, or its name when it has none (as stored)
    std::string name;    // the league's name (as stored)
    long long inningsPerGame = 9;

    // "Y1L2", the base name of the league's files.
    std::string baseName() const;
};

// Every active league of every active season of the store's folder, in the order of the years
// and leagues files. The store's lists in memory are used for the files they hold. Returns false
// with a message naming the file when a leagues file cannot be read.
bool readSeasonLeagues(const Store& store, std::vector<SeasonLeague>& leagues, QString& error);

// The store's current league, as the selection names it.
LeagueKey currentLeagueKey(const Store& store);

// The league of `year` and `league` in `leagues`; nothing when it is not there.
const SeasonLeague* findSeasonLeague(const std::vector<SeasonLeague>& leagues, int year,
                                     int league);

}  // namespace pny
