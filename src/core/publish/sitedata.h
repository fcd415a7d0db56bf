#pragma once

#include "gamelog/night.h"
#include "views/leaders.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace pny {

class Store;

// A night of the game log as the website shows it: as corrected, with where it was played.
struct SiteNight {
    int entry = 0;  // its entry in the log, which names its page
    Night night;
    QString field;  // the field of its game in the schedule; empty when it has none
};

// What the website's pages are made of: the league's active teams with their players (as the
// tabs and the leaders read them) and the nights of its game log.
struct SiteLeague {
    std::vector<LeaderTeam> teams;  // in the order of the teams file
    std::vector<SiteNight> nights;  // in the order of the log
    long long inningsPerGame = 9;

    // The team of line `team`, the player of line `player` on it; null when not active.
    const LeaderTeam* team(int team) const;
    const LeaderPlayer* player(int team, int player) const;
    // The night of entry `entry`; null when the log has no such night.
    const SiteNight* night(int entry) const;
    // A team's name as text; "Team" and its line when it has none.
    QString teamPlainName(int team) const;
    // The same, HTML-escaped.
    QString teamName(int team) const;
    // The player's counts as the log has them once night `entry` is in, its later changes
    // included: every line of his up to that night, a change counted with the night it corrects.
    StatValues countsAfter(int team, int player, int entry) const;
    // The nights a player has a line in, in log order.
    const std::vector<int>& nightsOf(int team, int player) const;

    // Index of the running counts: per player, his lines in order of the night they count with,
    // each with the counts summed up to and including it.
    std::map<std::pair<int, int>, std::vector<std::pair<int, StatValues>>> running;
    std::map<std::pair<int, int>, std::vector<int>> playerNights;
};

// Reads the league's teams and game log from the store (the store's lists in memory for the files
// it holds). Returns false with a message naming the file when one cannot be read.
bool readSiteLeague(Store& store, SiteLeague& league, QString& error);

// The file names of the pages.
QString teamFile(int team);
QString playerFile(int team, int player);
QString nightFile(int entry);

// "Sat Jun 7, 2025" of a "yyyymmdd" date; the text as stored when it is no date.
QString siteDate(const std::string& date);
// "6:30 PM" of a "hhnn" time; empty when there is none.
QString siteTime(const std::string& time);

}  // namespace pny
