#pragma once

#include <QStringList>

namespace pny::cli {

// pny leaders: prints the league leaders of every category, as the League Leaders window shows
// them. `arguments` are the options after the command name. Returns the exit code.
int runLeaders(const QStringList& arguments);

// The usage lines of the leaders command.
extern const char* const kLeadersUsage;

}  // namespace pny::cli
