#pragma once

#include "people/career.h"
#include "publish/sitedata.h"

#include <QString>

namespace pny {

// The body of a player's page: his season's batting line (and pitching line when he pitched),
// his game log (each night: date, opponent, his line and his AVG to date), and, when `career`
// holds the seasons Link Players joined, his career table.
QString playerBody(const SiteLeague& league, const LeaderTeam& team, const LeaderPlayer& player,
                   const Career* career);

}  // namespace pny
