#pragma once

#include "views/grid.h"

class QString;
class QWidget;

namespace pny {
class Store;
}

// Asks for a file name and writes the table as shown: comma-separated, tab-separated or as a web
// page, chosen by the file's extension or the chosen filter; the schedule also as a calendar.
// The dialog offers `fileName` ("season league tab") in the folder of the last export of this
// run (at first the user's documents folder); a name without one of the formats' extensions gets
// the chosen format's. Says where the file went, or that it could not be written.
void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid, bool schedule,
                 const QString& fileName);
