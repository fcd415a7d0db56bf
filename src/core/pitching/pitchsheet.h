#pragma once

#include "gamelog/boxscorecolumns.h"
#include "views/playerstats.h"

#include <vector>

namespace pny {

// The box score sheet of a league that counts pitches takes a pitcher's pitches as a box score
// gives them, NP (pitches) and S (strikes), in the places of ST and BT; they are stored as
// ST = S and BT = NP - S, so that with S left empty all the pitches count as balls and the
// pitches stay right (scorerLine works them out).

// The sheet's columns: with `pitchCounts` ST and BT become NP and S, in that order.
std::vector<BoxScoreColumn> sheetColumns(std::vector<BoxScoreColumn> columns, bool pitchCounts);

}  // namespace pny
