#pragma once

#include <QStringList>

namespace pny::cli {

// pny backup DEST [--folder DIR]: copies every data and notes file of DIR (the folder of the
// program file unless given) into DEST, listing the files copied. Returns the exit code.
int runBackup(const QStringList& arguments);

// The usage lines of the backup command.
extern const char* const kBackupUsage;

}  // namespace pny::cli
