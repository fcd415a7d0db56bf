#pragma once

#include <QStringList>

namespace pny::cli {

// pny pitchers: prints who may pitch on a date, or sets the league's pitch rules. Returns the
// exit code.
int runPitchers(const QStringList& arguments);

extern const char* const kPitchersUsage;

}  // namespace pny::cli
