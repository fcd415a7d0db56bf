#pragma once

#include "gamelog/night.h"

#include <QByteArray>
#include <QString>

namespace pny {

class Store;

// A game night from a spreadsheet's CSV file, one block per team:
//
//   Team,Otters,Score,5
//   No,Name,PA,1B,2B,...
//   7,Jim Hall,4,1,,...
//   Team,Hawks,Score,3
//   No,PA,1B,...
//
// A block starts with a "Team" row naming the team by its number or name (case ignored) and,
// optionally, its score. The next row names the columns: "No" (or "#", "Number") for the player's
// number, "Name" or "Player" (ignored: players are found by number), and the statistics by the
// captions the box score sheet shows. A cell holds an optional minus and digits, or nothing.
// Both teams of the schedule's game `game` must have a block, in either order.
bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error);

}  // namespace pny
