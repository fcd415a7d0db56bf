#pragma once

#include "roster/roster.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace pny {

class Store;

// What a roster import will do, shown before anything is added: the team, the rows it adds and
// the rows it skips with the reason.
struct RosterPlan {
    QString team;                      // "Tigers (1996 Majors)"
    QString teamName;                  // "Tigers"
    std::vector<RosterPlayer> adds;    // in file order
    std::vector<RosterProblem> skips;  // in line order
};

// A number as the team knows it: "07" and "7" are the same number, so leading zeros of a number
// made of digits do not count; any other number is taken as written.
std::string rosterNumberKey(const std::string& number);

// Plans adding `roster` to the store's current team (its players list loaded): a number already
// on the team, or earlier in the file, is skipped with the reason; the file's own problems are
// skipped too. A row without a number is added, and the plan says so.
RosterPlan planRoster(const Store& store, const RosterFile& roster);

// Appends the plan's players to the current team's list in memory; the caller commits.
int applyRosterPlan(Store& store, const RosterPlan& plan);

// A row of the plan as the user reads it: "line 2: add 7 Kim", "line 5: add Kit Brown (no
// number)", "line 3: skipped, number 8 is already on the team".
QString rosterAddText(const RosterPlayer& player);
QString rosterSkipText(const RosterProblem& problem);

}  // namespace pny
