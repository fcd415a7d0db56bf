#pragma once

#include "gamelog/night.h"

#include <QString>

namespace pny {

class Store;

// How a night is named to the user, from the store's current league.

// "Foxglove Fireflies at Harbor Herons, Tue 2025-06-10 18:00, Memorial Park": the teams, the
// day and time, and the field of the schedule's game (left out when not known).
QString nightHeading(const Store& store, const Night& night);

// "game 16, Tue 2025-06-10, Foxglove Fireflies 6 at Harbor Herons 3": what a night added, its
// game (left out for a night outside the schedule), day and score.
QString nightSummary(const Store& store, const Night& night);

// "Harbor Herons 6": a team of the night by its name (or "team 4" when it has none) and its runs
// when typed.
QString teamAndScore(const Store& store, const BoxScoreTeam& side);

// "2025 Riverbend Twilight League": the season and league the store is on.
QString seasonAndLeague(const Store& store);

}  // namespace pny
