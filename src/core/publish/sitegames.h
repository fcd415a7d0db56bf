#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace pny {

class Store;

// One game of the league as the website shows it, with its texts already in UTF-16.
struct SiteGame {
    int line = 0;  // the game's line in the league's games file
    QDateTime start;
    int home = 0;  // team lines
    int away = 0;
    QString homeName;
    QString awayName;
    QString field;
    QString homeScore;  // empty until a result is entered
    QString awayScore;

    bool hasResult() const { return !homeScore.isEmpty() || !awayScore.isEmpty(); }
};

// The active games of the store's current league whose date and time can be read, in order of
// their start and then of their line.
std::vector<SiteGame> readSiteGames(const Store& store);

// The league as the site and its calendar name it: the year's number and the league's name.
QString siteLeagueName(const Store& store);

// The day the site is as of: that of the last game with a result, else `today`. `games` are in
// order of their start.
QDate siteAsOf(const std::vector<SiteGame>& games, const QDate& today);

// A team as the site names it: its name, else "Team" and its number, else a question mark.
QString siteTeamName(const Store& store, int teamLine);

}  // namespace pny
