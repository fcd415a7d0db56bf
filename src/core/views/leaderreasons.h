#pragma once

#include "views/leadercategory.h"
#include "views/leaders.h"
#include "views/leadersettings.h"

#include <functional>
#include <string>
#include <vector>

namespace pny {

// Why a leader table lists nobody, as its window, printout or page says instead of rows.

// Nobody has the category's value yet: "No pitcher has a save yet".
std::string noValueReason(LeaderStat stat);

// Players have the value but none qualifies for the season's rate: "Nobody has enough PA to
// qualify yet".
std::string seasonUnqualifiedReason(Qualifier qualifier);

// The same for the all-time tables: "Nobody has 100 PA in a career yet".
std::string careerUnqualifiedReason(Qualifier qualifier, const LeaderSettings& settings);

// Gives every table of `tables` without rows its reason: no value yet when no player of `teams`
// has one, else `unqualified` of the table's qualifier. Tables with rows get none.
void explainEmptyTables(std::vector<LeaderTable>& tables, const std::vector<LeaderTeam>& teams,
                        long long inningsPerGame,
                        const std::function<std::string(Qualifier)>& unqualified);

}  // namespace pny
