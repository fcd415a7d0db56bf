#pragma once

#include "exitstatus.h"

#include "store/folderlock.h"

#include <QString>

namespace pny::cli {

// For a command that writes: takes the folder's lock and completes a save a crash left
// unfinished. On failure prints why ("pny COMMAND: ...") and returns the exit status to end with:
// kExitLocked when another process holds the lock, 1 otherwise; 0 when the command may go on.
int lockForWriting(FolderLock& lock, const char* command);

// For a command that only reads: completes a save a crash left unfinished when nobody holds the
// lock. Returns false after printing why when such a save could not be completed.
bool prepareForReading(const QString& folder, const char* command);

}  // namespace pny::cli
