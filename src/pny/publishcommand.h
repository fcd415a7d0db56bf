#pragma once

#include <QStringList>

namespace pny::cli {

// pny publish: writes the website of a league into a folder of its own. `arguments` are the
// options after the command name. Returns the exit code.
int runPublish(const QStringList& arguments);

// The usage lines of the publish command.
extern const char* const kPublishUsage;

}  // namespace pny::cli
