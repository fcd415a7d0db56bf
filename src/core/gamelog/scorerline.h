#pragma once

#include "gamelog/boxscorecolumns.h"
#include "views/playerstats.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace pny {

// A box score line in the scorer's terms, one text per column, and the stored counts it makes.
// The counts a shown column does not give are worked out when no column gives them directly:
//   PA = AB + BB + HBP + CI + SH + SF      1B = H - 2B - 3B - HR
//   IP and its thirds from the outs of IP  Won, Lost or Sv from the decision
//   ST = S and BT = NP - S
//   G = 1 when something is typed in batting, the user columns or fielding; GP = 1 when
//   something is typed in pitching (a 0 counts: the player was in the game).
// With every stored statistic shown ("All statistics") each cell is its own count, as typed.

struct ScorerLine {
    StatValues values{};
    bool typed = false;  // some cell holds something
    // Why the line cannot be added, in the scorer's terms ("H 1 is less than 2B + 3B + HR (2)");
    // empty when it converts.
    QString problem;
};

ScorerLine scorerLine(const std::vector<BoxScoreColumn>& columns,
                      const std::vector<std::string>& cells);

// The cells that show `values` in `columns`; false when these columns cannot show exactly those
// counts (a statistic not shown, G without anything typed, two decisions...).
bool scorerCells(const std::vector<BoxScoreColumn>& columns, const StatValues& values,
                 std::vector<std::string>& cells);

// What a column shows for a team's totals (thirds already carried); empty for nothing.
std::string totalsCell(const BoxScoreColumn& column, const StatValues& totals);

// IP in baseball notation: "5.2" is 17 outs, "5" and "5.0" are 15, ".1" is 1. Nothing when the
// text is no such number or its outs are not .0, .1 or .2.
std::optional<long long> outsOfInnings(const std::string& text);
std::string inningsText(long long outs);

}  // namespace pny
