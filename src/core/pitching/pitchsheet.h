#pragma once

#include "gamelog/boxscorecolumns.h"
#include "views/playerstats.h"

#include <vector>

namespace pny {

// The box score sheet of a league that counts pitches takes a pitcher's pitches as a box score
// gives them, NP (pitches) and S (strikes), in the places of ST and BT; they are stored as
// ST = S and BT = NP - S, so that with S left empty all the pitches count as balls and the
// pitches stay right.

// The sheet's columns: with `pitchCounts` ST and BT become NP and S, in that order.
std::vector<BoxScoreColumn> sheetColumns(std::vector<BoxScoreColumn> columns, bool pitchCounts);

// Whether a column of the sheet is NP.
bool isPitchesColumn(const BoxScoreColumn& column);

// The number a column shows for a line (or a totals row): NP the pitches, ST + BT; any other
// column its own statistic.
long long sheetValue(const BoxScoreColumn& column, const StatValues& values);

// Turns a line as typed into the sheet's columns (NP under BT, S under ST, each cell under its
// column's statistic) into the stored counts.
void storeTypedPitches(const std::vector<BoxScoreColumn>& columns, StatValues& values);

}  // namespace pny
