#pragma once

#include "views/playerstats.h"

#include <QString>

#include <vector>

namespace pny {

// A player's or a team's lines as the website shows them, in box score terms. Every value is
// derived by the same core as the tabs and the leaders, so that they agree.

// The columns: G AB R H 2B 3B HR RBI BB SO SB AVG OBP SLG OPS.
const std::vector<QString>& battingHeaders();
constexpr int kBattingAvg = 11;  // the column of AVG
std::vector<QString> battingCells(const StatValues& v, long long inningsPerGame);

// The columns: G IP H R ER BB SO W L SV ERA WHIP.
const std::vector<QString>& pitchingHeaders();
constexpr int kPitchingEra = 10;
std::vector<QString> pitchingCells(const StatValues& v, long long inningsPerGame);

// The columns: G PO A E F%.
const std::vector<QString>& fieldingHeaders();
constexpr int kFieldingPct = 4;
std::vector<QString> fieldingCells(const StatValues& v, long long inningsPerGame);

// The columns of a night's batter: AB R H RBI BB SO and the season's AVG after the night.
const std::vector<QString>& nightBattingHeaders();
std::vector<QString> nightBattingCells(const StatValues& night, const StatValues& season,
                                       long long inningsPerGame);
// The columns of a night's pitcher: IP H R ER BB SO and the decision (W, L or S).
const std::vector<QString>& nightPitchingHeaders();
std::vector<QString> nightPitchingCells(const StatValues& night);

// Whether the counts hold any pitching (a game pitched or an out recorded), any fielding.
bool hasPitched(const StatValues& v);
bool hasFielding(const StatValues& v);
// Whether the counts hold any batting (a plate appearance or a run).
bool hasBatted(const StatValues& v);

// The batting average of the counts, trimmed (".333"); empty without at bats.
QString battingAverage(const StatValues& v, long long inningsPerGame);

}  // namespace pny
