#pragma once

#include "gamelog/night.h"

#include <QByteArray>
#include <QString>

namespace pny {

class Store;

// A game night from a spreadsheet's CSV file, one block per team:
//
//   Team,Harbor Herons,Score,3
//   No,Name,AB,R,H,RBI,BB,SO
//   7,Jim Hall,4,1,2,1,0,1
//   No,Name,IP,P.H,P.R,ER,P.BB,P.SO,DEC
//   21,Cy Young,5.2,6,3,2,1,4,L
//   Team,Foxglove Fireflies,Score,6
//   ...
//
// A block starts with a "Team" row naming the team by its number or name (case ignored) and,
// optionally, its score. A header row names the columns: "No" (or "#", "Number") for the player's
// number, "Name" or "Player" (ignored: players are found by number), and the statistics, either
// by the captions the sheet's "All statistics" shows (PA, 1B, ... IP and 3IP, Won...) or by the
// box score's names (see scorerColumns: AB, H, IP as 5.2, DEC as W, L or S, the pitcher's H, R,
// BB, SO and HB as P.H, P.R, P.BB, P.SO and P.HB; HB is also the batter's HBP). NP and S give the
// pitches either way. Another header row may follow (a box score's pitching block): a player's
// rows under each header make his one line. A block in the stored captions alone is stored as
// typed; one that uses a box score name is converted as the sheet converts a line
// (scorerline.h): G and GP are worked out unless named. A statistic given two ways (AB and PA,
// H and 1B, DEC and Won, NP and ST) is refused, and so is a line that cannot be converted,
// naming the player and why. Both teams of the schedule's game `game` must have a block, in
// either order.
bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error);

// As above; `namesPutouts` tells whether a header names PO, so that putouts can be proved.
bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error, bool& namesPutouts);

}  // namespace pny
