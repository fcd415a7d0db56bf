#pragma once

#include "store/records.h"
#include "views/progress.h"

#include <array>
#include <string>
#include <vector>

namespace pny {

class Store;

// The derived texts of one player (or of a team's totals), in this order.
enum DerivedStat {
    DerivedAB,
    DerivedH,
    DerivedW,
    DerivedSac,
    DerivedAvg,
    DerivedSlg,
    DerivedOBP,
    DerivedSA,
    DerivedSBP,
    DerivedPT,
    DerivedERA,
    DerivedWP,
    DerivedTC,
    DerivedFldP,
    DerivedCount
};
using DerivedTexts = std::array<std::string, DerivedCount>;

// The counting statistics a derivation starts from, taken wide so that a team's totals never
// wrap. Indexed by PlayerStat.
using StatValues = std::array<long long, PlayerStatCount>;

// Whether a statistic is summed into the team's totals (G, BO, Pos and GP are not).
bool isSummedStat(PlayerStat stat);

// The 14 derived texts of a set of counts; `inningsPerGame` scales the earned run average.
DerivedTexts deriveStats(const StatValues& values, long long inningsPerGame);

// The derived values of the players of one players file, kept between table builds.
struct PlayerStatsCache {
    // The players loaded-name the cache was computed for; empty = not valid.
    std::string key;
    // One entry per line of the players list (line 0, the header, has an empty one).
    std::vector<DerivedTexts> entries;
    // Column sums of the active players; the innings are carried (thirds 0 to 2) after the
    // derived totals are computed.
    StatValues sums{};
    // The derived texts of the sums.
    DerivedTexts totals;

    void clear() { key.clear(); }
    bool validFor(const Store& store) const;
    // The entry of player line `line`; an empty set of texts past the end.
    const DerivedTexts& entry(int line) const;
};

// Fills the cache from the players list in memory (the current team). Reports one progress step
// per player line read.
void computePlayerStats(const Store& store, PlayerStatsCache& cache,
                        ProgressCounter* progress = nullptr);

}  // namespace pny
