#pragma once

#include <QStringList>

namespace pny::cli {

// pny import FILE [--folder DIR]: imports a legacy statistics file (".PZS", with its ".PZN"
// notes) into the data folder DIR (the folder of the program file unless given) as new seasons,
// saves, and prints what it added. Returns the exit code.
int runImport(const QStringList& arguments);

// The usage lines of the import command.
extern const char* const kImportUsage;

}  // namespace pny::cli
