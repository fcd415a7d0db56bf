#pragma once

#include <QStringList>

namespace pny::cli {

// pny boxscore FILE.csv --game N: adds a game night from a CSV file, as the box score sheet adds
// it. `arguments` are the words after the command name. Returns the exit code.
int runBoxScore(const QStringList& arguments);

extern const char* const kBoxScoreUsage;

}  // namespace pny::cli
