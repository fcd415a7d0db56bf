#pragma once

#include "entry/playerentry.h"

#include <string>
#include <vector>

namespace pny {

// The statistic columns of the box score sheet, in the player dialog's order and groups (BO and
// Pos are not part of a night), with the captions the sheet shows and a CSV file names them by:
// the abbreviations ("PA", "1B", ... "3IP" for thirds) and, for the user columns, the league's
// header or "C1" to "C4" when it has none.
struct BoxScoreColumn {
    PlayerStat stat;
    EntryGroup group;
    std::string caption;  // code page bytes
};
std::vector<BoxScoreColumn> boxScoreColumns(const LeagueRecord& league);

}  // namespace pny
