#pragma once

#include <QStringList>

namespace pny::cli {

// pny generate: appends one round-robin game per stored time slot of a league, as the program's
// Make command does, without the dialogs. Returns the exit code.
int runGenerate(const QStringList& arguments);

// The usage lines of the generate command.
extern const char* const kGenerateUsage;

}  // namespace pny::cli
