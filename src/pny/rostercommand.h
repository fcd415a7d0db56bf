#pragma once

#include <QStringList>

namespace pny::cli {

// pny roster import|export: brings a team's players in from a CSV file, or writes them out as
// one. `arguments` are the words after the command name. Returns the exit code.
int runRoster(const QStringList& arguments);

// The usage lines of the roster command.
extern const char* const kRosterUsage;

}  // namespace pny::cli
