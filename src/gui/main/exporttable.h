#pragma once

#include "views/grid.h"

class QWidget;

namespace pny {
class Store;
}

// Asks for a file name and writes the table as shown: comma-separated, tab-separated or as a web
// page, chosen by the file's extension or the chosen filter; the schedule also as a calendar.
// A file that cannot be written is reported.
void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid,
                 bool schedule);
