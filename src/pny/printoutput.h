#pragma once

#include <QString>

namespace pny::cli {

// Prints a command's text to standard output as UTF-8, flushed and checked, so that a full disk
// behind a redirection does not pass for success. Returns the exit status to end with.
int printOutput(const QString& command, const QString& text);

}  // namespace pny::cli
