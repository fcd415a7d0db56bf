#pragma once

class QWidget;

namespace pny {
class Store;
}

// Import Roster: asks for a CSV file, shows the team and the rows it will add and skip (with the
// reason) and, on OK, adds the players to the current team and saves them. Returns true when
// players were added.
bool importRoster(QWidget* parent, pny::Store& store);
