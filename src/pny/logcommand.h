#pragma once

#include <QStringList>

namespace pny::cli {

// pny log --team T [--player P]: prints a team's or a player's lines of the game log as
// tab-separated text. Returns the exit code.
int runLog(const QStringList& arguments);

extern const char* const kLogUsage;

}  // namespace pny::cli
