#pragma once

#include "views/playerstats.h"

#include <QDate>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace pny {

class GameLog;
struct Night;

// Who pitched on which night of the season, and how many pitches, as the nights stand now:
// corrections count and removed nights do not.

// Whether a night's line shows its player pitching: games pitched, innings or pitches.
bool pitchedIn(const StatValues& values);
// The pitches of a night's line (strikes and balls thrown); none when it has no pitch count.
std::optional<long long> pitchesOf(const StatValues& values);

struct PitchedNight {
    int night = 0;  // the night's entry in the log; 0 for a night not logged yet
    QDate date;
    int team = 0;
    int player = 0;
    std::optional<long long> pitches;  // none: the night has no pitch count for him
};

// The pitchers of one night, home team first.
std::vector<PitchedNight> nightPitchers(const Night& night, int entry);

// The pitchers of every night of the log, as corrected, in entry order; the night `leaving`
// (one being changed) is left out. Nights whose date cannot be read are left out.
std::vector<PitchedNight> pitchedNights(const GameLog& log, int leaving = 0);

// One day a pitcher pitched: the nights of one date added up (a doubleheader counts as a day).
struct PitchingDay {
    QDate date;
    std::optional<long long> pitches;  // none when a night of the day has no pitch count
    std::vector<int> nights;           // the day's nights, in entry order
};

// A pitcher by his team's line and his line in the team's players file.
using PitcherKey = std::pair<int, int>;

// Every pitcher's days, oldest first.
std::map<PitcherKey, std::vector<PitchingDay>> pitchingDays(
    const std::vector<PitchedNight>& nights);

}  // namespace pny
