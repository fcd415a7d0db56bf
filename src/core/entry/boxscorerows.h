#pragma once

#include "gamelog/night.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class Store;

// The rows of a team's grid in the box score sheet: its active players, those with a batting
// order first in that order, then the others by number.
struct BoxScoreRow {
    int player = 0;      // the player's line in his team's players file
    std::string number;  // as stored
    std::string name;    // as stored
    std::string bo;      // as stored
};

// The rows of team `team` (its line in the current league's teams file), from its players as
// they stand now (changes not yet saved included). Players in `keep` are listed even when
// deleted, so that a past night shows every line it holds. Returns false with a message naming
// the file when it cannot be read.
bool readBoxScoreRows(const Store& store, int team, std::vector<BoxScoreRow>& rows, QString& error,
                      const std::vector<int>& keep = {});

// The same order for rows already read.
void sortBoxScoreRows(std::vector<BoxScoreRow>& rows);

// A team's totals row: each column summed, three thirds of an inning carried into an inning.
StatValues boxScoreTotals(const std::vector<BoxScoreLine>& lines);

}  // namespace pny
