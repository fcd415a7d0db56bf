#pragma once

#include "publish/sitedata.h"
#include "publish/sitegames.h"

#include <QString>

#include <vector>

namespace pny {

// What the scores of the schedule say about one team.
struct TeamForm {
    long long runsScored = 0;
    long long runsAllowed = 0;
    QString streak;   // "W3", "L1", "T1"; empty before the first result
    QString lastTen;  // "7-3", with the ties "6-3-1"
    QString home;     // the record at home, "5-2"
    QString away;     // and away
};

// The form of team `team` from the games with both scores as numbers, in their order.
TeamForm teamForm(int team, const std::vector<SiteGame>& games);

// The league's standings: the teams in the order of the Teams tab with W, L, T, PCT and GB as it
// shows them, then RS, RA, DIFF, STRK, L10, HOME and AWAY from the scores of the schedule. The
// team names link to their pages. `order` gets the team lines in the order shown.
QString standingsTable(const SiteLeague& league, const std::vector<SiteGame>& games,
                       std::vector<int>* order = nullptr);

}  // namespace pny
