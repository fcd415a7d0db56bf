#pragma once

#include "views/grid.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace pny {
class Store;
}

// The kinds of file a table can be exported to.
enum class ExportFormat { Csv, Tsv, Html, Ics };

// Asks for a file name and writes what `render` makes in the format chosen by the file's
// extension or the chosen filter: comma-separated, tab-separated or a web page, and a calendar
// when `calendar`. The dialog offers `fileName` in the folder of the last export of this run (at
// first the user's documents folder); a name without one of the formats' extensions gets the
// chosen format's. Says where the file went, or why it could not be written.
void saveExport(QWidget* parent, const QString& caption, const QString& fileName, bool calendar,
                const std::function<QByteArray(ExportFormat)>& render);

// Exports the table as shown; the schedule also as a calendar. `fileName` is "season league tab".
void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid, bool schedule,
                 const QString& fileName);
