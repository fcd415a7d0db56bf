#pragma once

#include "gamelog/night.h"

#include <QString>

#include <vector>

namespace pny {

class Store;

// The decisions of one game: one winning pitcher, one losing pitcher and one save at most, and
// the winner and the loser on different teams. A night that breaks this cannot be added.
struct DecisionClash {
    bool home = true;  // the team of the second pitcher named
    int line = -1;     // his line in that team's lines
    // "Two winning pitchers in one game: Ito (Foxglove Fireflies) and Ruiz (Harbor Herons)."
    QString text;
};

// Every clash of the night's Won, Lost and Sv, players named from the store's files.
std::vector<DecisionClash> decisionClashes(const Store& store, const Night& night);

}  // namespace pny
