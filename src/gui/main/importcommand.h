#pragma once

class QString;
class QWidget;
class TMsgForm;

namespace pny {
class Store;
}

// The "&Import PZS" command: asks for a legacy statistics file (".PZS"), imports every season in
// it with its notes into the store as new years, showing the progress in `progressWindow` (may be
// null), and reports what went wrong, or what it added. A file imported into the folder before is
// imported again only when the user says so (No is the default). Returns true when seasons were
// added and the current year moved to the last of them: the main window then rebuilds the table
// (BuildHeaders).
bool runImport(QWidget* parent, pny::Store& store, TMsgForm* progressWindow);

// Imports the legacy statistics file at `path` as runImport does once it has the name; the
// summary of what was added is shown only when `tellSummary` is set (the sample season opened from
// the start guide shows itself).
bool importStatisticsFile(QWidget* parent, pny::Store& store, const QString& path,
                          TMsgForm* progressWindow, bool tellSummary = false);
