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

// Asks for a file name in `folder` and writes what `render` makes in the format chosen by the
// file's extension or the chosen filter: comma-separated, tab-separated or a web page, and a
// calendar when `calendar`. A file that cannot be written is reported.
void saveExport(QWidget* parent, const QString& caption, const QString& folder, bool calendar,
                const std::function<QByteArray(ExportFormat)>& render);

// Exports the table as shown; the schedule also as a calendar.
void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid,
                 bool schedule);
