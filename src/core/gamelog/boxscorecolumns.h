#pragma once

#include "entry/playerentry.h"

#include <string>
#include <vector>

namespace pny {

// What a cell of the box score sheet holds. A count is stored as it is typed; the others are
// the scorer's own terms, which the stored counts are worked out from (see scorerline.h).
enum class SheetCell {
    Count,     // the column's statistic
    AtBats,    // AB: PA = AB + BB + HBP + CI + SH + SF
    Hits,      // H: 1B = H - 2B - 3B - HR
    Innings,   // IP as 5.2: five innings and two outs
    Decision,  // W, L or S
    Pitches,   // NP: the pitches, stored as BT = NP - S beside S in ST
};

// A column of the box score sheet: the statistic it is stored under, its group, the caption the
// sheet shows and the name a CSV file and the league's choice of columns call it by.
struct BoxScoreColumn {
    PlayerStat stat;
    EntryGroup group;
    std::string caption;  // code page bytes
    SheetCell cell = SheetCell::Count;
    std::string name;  // "AB", "P.H" for the pitcher's H; the user columns "C1" to "C4"
};

// What a column holds, for its caption's tooltip: "P.H: hits the pitcher allowed".
std::string columnDescription(const BoxScoreColumn& column);

// The caption of a group of the sheet: "Batting", "Pitching", "Fielding", "User".
const char* groupCaption(EntryGroup group);

// Every stored statistic, in the player dialog's order and groups (BO and Pos are not part of a
// night), captioned by its abbreviation ("PA", "1B", ... "3IP" for thirds) and, for the user
// columns, the league's header or "C1" to "C4" when it has none. The sheet's "All statistics".
std::vector<BoxScoreColumn> boxScoreColumns(const LeagueRecord& league);

// Every column a league may give its box score, in the order of a printed box score:
//   batting   AB R H 2B 3B HR RBI BB SO HBP SH SF SB CS CI PkO, the user columns;
//   pitching  DEC IP H R ER BB SO HB WP BK NP S RPO;
//   fielding  PO A E PB Inn.
// Where a caption belongs to both batting and pitching (H, R, BB, SO, HB), the pitcher's column
// is named with "P." before it ("P.H"), the batter's by the caption alone.
std::vector<BoxScoreColumn> scorerColumns(const LeagueRecord& league);

// The columns a league shows when it has chosen none: a printed box score's, the user columns
// that have a header, and NP and S when the league counts pitches.
std::vector<BoxScoreColumn> defaultScorerColumns(const LeagueRecord& league, bool pitchCounts);

// Whether two column names are the same, case ignored.
bool sameColumnName(const std::string& a, const std::string& b);

// The column of `available` called `name` (case ignored); none when there is none.
const BoxScoreColumn* columnCalled(const std::vector<BoxScoreColumn>& available,
                                   const std::string& name);

// The columns of `available` named in `names` (case ignored), in that order; unknown and
// repeated names are left out.
std::vector<BoxScoreColumn> columnsNamed(const std::vector<BoxScoreColumn>& available,
                                         const std::vector<std::string>& names);

}  // namespace pny
