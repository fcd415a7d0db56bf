#pragma once

#include <QStringList>

namespace pny::cli {

// Runs the command line (program name first) and returns the exit code.
int run(const QStringList& arguments);

}  // namespace pny::cli
