#pragma once

#include <QStringList>

namespace pny::cli {

// pny export: prints the table of one tab as the main window would show it. `arguments` are the
// options after the command name. Returns the exit code.
int runExport(const QStringList& arguments);

// The usage lines of the export command.
extern const char* const kExportUsage;

}  // namespace pny::cli
