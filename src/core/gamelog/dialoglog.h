#pragma once

#include "entry/playerentry.h"

namespace pny {

class Store;

// The log entries of the player and team dialogs. Each stages the store's game log for the next
// commit; call it after the dialog's OK has written the record into the store.

// The store's current player went from `before` to `after` through the player dialog with
// `texts`: the Add values are logged as an entry, anything typed over a Total as a correction.
// Nothing is logged when nothing changed.
void logPlayerDialog(Store& store, const PlayerRecord& before, const PlayerEntryTexts& texts,
                     const PlayerRecord& after);

// The store's current team went from `before` to `after` through the team result dialog.
void logTeamDialog(Store& store, const TeamRecord& before, const TeamRecord& after);

}  // namespace pny
