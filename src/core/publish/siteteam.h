#pragma once

#include "publish/sitedata.h"

#include <QString>

namespace pny {

// The tables of a team's page: batting for every player, pitching only for those who pitched,
// fielding when `withFielding` (the league keeps it), each with the team's totals. Every player
// name links to his page.
QString teamTables(const SiteLeague& league, const LeaderTeam& team, bool withFielding);

// Whether any player of the league has a fielding count: then the league keeps fielding.
bool leagueKeepsFielding(const SiteLeague& league);

// The counts of a team's players summed as the team's totals row sums them.
StatValues teamSums(const LeaderTeam& team);

// A player's name as the site shows it, linked to his page; "#" and his number without a name.
QString playerLink(const LeaderTeam& team, const LeaderPlayer& player);

}  // namespace pny
