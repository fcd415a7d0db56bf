#pragma once

#include "gamelog/night.h"

#include <QString>

#include <vector>

namespace pny {

class Store;

// What the box score sheet shows beside a row while the user types: never a refusal, except
// that a total out of range and decisions no game can have refuse the night when it is added.
enum class BoxScoreProblem {
    HitsOverAtBats,     // 1B + 2B + 3B + HR more than the at-bats the program derives
    EarnedOverAllowed,  // ER more than RA
    RunsNotScore,       // the team's RS do not add up to its score (team row)
    OutsNotInnings,     // a finished game's outs pitched are not the league's innings x 3
    TotalOutOfRange,    // a total would leave -999..9999
    PitchCount,         // a pitcher not yet eligible or over the daily maximum (league rules)
    LineNotConverted,   // a line in the scorer's terms that gives no stored counts (H < 2B + 3B +
                        // HR)
    // The box score proving itself: a team's H, BB, SO, HBP or R not what the other team's
    // pitchers allowed (HA, WA, BSO, BH, RA); one warning per statistic (team row).
    HitsNotAllowed,
    WalksNotAllowed,
    StrikeoutsNotAllowed,
    HitBattersNotAllowed,
    RunsNotAllowed,
    PutoutsNotOuts,  // where fielding is shown, a team's PO not the outs its pitchers recorded
    Decisions,       // two winning pitchers... (refuses; on the second pitcher's row)
};

struct BoxScoreWarning {
    BoxScoreProblem problem;
    bool home = true;  // which team's grid
    int line = -1;     // index into that team's lines; -1 for the team as a whole
    QString text;
    bool refuses = false;  // Add to Season refuses the night while it stands
};

// The warnings of a night, in grid order (home team first). The players' totals the night would
// add to are read through the store (its lists in memory where it holds them), for the range.
// `fieldingShown`: whether PO can be typed, so that putouts are compared with the outs.
std::vector<BoxScoreWarning> boxScoreWarnings(const Store& store, const Night& night,
                                              bool fieldingShown = true);

}  // namespace pny
