#pragma once

#include <QString>
#include <QStringList>

namespace pny::cli {

// The exit statuses of every pny command.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // the command could not do its work, or found faults
constexpr int kExitUsage = 2;    // the command line cannot be understood
constexpr int kExitLocked = 3;   // another program is changing the data folder

// What became of a command. Every command turns its outcome into the exit status here, so that
// the statuses mean the same in all of them.
enum class Outcome { Success, Failure, UsageError, Locked };
int exitStatus(Outcome outcome);

// Prints "pny COMMAND: message" to standard error.
void reportProblem(const QString& command, const QString& message);
// The same, and returns the failure status.
int failure(const QString& command, const QString& message);
// Prints "pny COMMAND: message" and where to find the usage to standard error and returns the
// usage error status.
int usageError(const QString& command, const QString& message);

// True when the arguments ask for the command's help ("--help" or "-h" anywhere).
bool asksForHelp(const QStringList& arguments);
// Prints a command's help text to standard output and returns the success status.
int showHelp(const QString& text);

}  // namespace pny::cli
