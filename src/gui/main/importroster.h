#pragma once

class QWidget;

namespace pny {
class Store;
}

// Import Roster: asks for a CSV file and adds its players to the current team, then reports what
// was added and which lines were skipped and why. Returns true when players were added.
bool importRoster(QWidget* parent, pny::Store& store);
