#pragma once

#include <QStringList>

namespace pny::cli {

// pny list [--folder DIR] [--year N] [--league N]: prints the seasons, a season's leagues or a
// league's teams as tab-separated lines of line index, number and name, in the order the
// program's list shows them. Writes nothing. Returns the exit code.
int runList(const QStringList& arguments);

// The usage lines of the list command.
extern const char* const kListUsage;

}  // namespace pny::cli
