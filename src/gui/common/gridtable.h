#pragma once

#include "views/grid.h"

#include <QStringList>

class QString;
class QTableWidget;
class QWidget;

// The read-only table a report window shows its grid in: whole rows chosen one at a time, no row
// numbers, headers to the left, no wrapped cells.
QTableWidget* reportTable(QWidget* parent, const QString& objectName);

// Replaces the table's columns, headers and cells with the grid's (texts from the code page).
// Returns the headers as shown.
QStringList fillGridTable(QTableWidget* table, const pny::ViewGrid& grid);
