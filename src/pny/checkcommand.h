#pragma once

#include <QStringList>

namespace pny::cli {

// pny check [--folder DIR]: reads every data file of DIR (the folder of the program file unless
// given) and prints one line for each thing found wrong, with its file and line. Returns 0 when
// the folder is sound, 1 when something was found or the folder is missing, 2 for a wrong
// command line.
int runCheck(const QStringList& arguments);

// The usage lines of the check command.
extern const char* const kCheckUsage;

}  // namespace pny::cli
